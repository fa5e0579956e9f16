// Resource and command ids shared by the resource scripts and the editor's code.
#pragma once

#define IDM_MAINMENU 102

// Commands of the menu, the toolbar and the accelerator table.
#define IDM_FILE_EXIT 40001
#define IDM_FILE_NEW 40002
#define IDM_FILE_OPEN 40003
#define IDM_FILE_SAVEAS 40005
#define IDM_FILE_PRINT 40006
#define IDM_WINDOW_CASCADE 40008
#define IDM_WINDOW_TILE 40009
#define IDM_FILE_CLOSE 40010
#define IDM_EDIT_DELETE 40012
#define IDM_EDIT_UNDO 40013
#define IDM_EDIT_CUT 40014
#define IDM_EDIT_COPY 40015
#define IDM_EDIT_PASTE 40016
#define IDM_EDIT_SELECTALL 40017
#define IDM_EDIT_FIND 40018
#define IDM_EDIT_FINDNEXT 40019
#define IDM_EDIT_REPLACE 40020
#define IDM_FORMAT_FONT 40022
#define IDM_FORMAT_DEFAULTGUIFONT 40023
#define IDM_FORMAT_TIMESNEWROMAN 40024
#define IDM_TOOLS_SPELLING 40025
#define IDM_TOOLS_DICTIONARY 40026
#define IDM_HELP_HELP 40030
#define IDM_HELP_ABOUT 40031

// Commands added later: above the first set, below the document windows' ids (50000 on), which the
// frame does not forward to the active document.
#define IDM_FILE_SAVE 40040
#define IDM_EDIT_GOTOLINE 40041
#define IDM_EDIT_REDO 40042
// The recent files in the File menu, numbered 1 to 4, and the separator below them.
#define IDM_FILE_RECENT_FIRST 40050
#define IDM_FILE_RECENT_SEPARATOR 40059
// Page setup and the print preview.
#define IDM_FILE_PAGESETUP 40070
#define IDM_FILE_PRINTPREVIEW 40071

// Tools > Spelling as You Type.
#define IDM_TOOLS_SPELLING_AS_YOU_TYPE 40080
// The document's context menu: its resource, and the items it has beside the Edit menu's commands: Ignore
// All, Add to Dictionary and suggestions 1 to 5 (ids in a row from the first).
#define IDM_EDIT_CONTEXT_MENU 110
#define IDM_CONTEXT_IGNORE_ALL 40081
#define IDM_CONTEXT_ADD_WORD 40082
#define IDM_CONTEXT_SUGGESTION_FIRST 40083

// The line number box of the Go To Line dialog.
#define IDC_GOTO_LINE_NUMBER 3001

// The toolbar's own image: the spelling button (the others are the system's standard images).
#define IDB_SPELLING 201

// Positions of the menu's popups as the resource lists them.
#define MENU_POSITION_WINDOW 2
