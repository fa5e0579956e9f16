// Every text the programs show to users, in one place.
#pragma once

// The version shown in the status bar and the dialogs.
#include "penmar_version.h"

// A text below as the wide string that the system's W functions take: WIDE(TEXT_FRAME_TITLE).
#define WIDE_LITERAL(text) L##text
#define WIDE(text) WIDE_LITERAL(text)

// ---- Start-up and frame --------------------------------------------------------------------
#define TEXT_FRAME_TITLE "Penmar"
#define TEXT_ACCELERATORS_NAME "Penmar"
#define TEXT_REGISTRATION_FAILED "Window Registration Failed!"
#define TEXT_CHILD_REGISTRATION_FAILED "Could Not Register Child Window"
#define TEXT_CREATION_FAILED "Window Creation Failed!"
#define TEXT_CAPTION_ERROR_BANG "Error!"
#define TEXT_CAPTION_OH_OH "Oh Oh..."
#define TEXT_CAPTION_ERROR "Error"
#define TEXT_MDI_CLIENT_FAILED "Could not create MDI client."
#define TEXT_TOOLBAR_FAILED "Could not create tool bar."
#define TEXT_STATUS_BAR_FAILED "Could not create status bar."
#define TEXT_STATUS_VERSION "Version " PENMAR_VERSION_TEXT
#define TEXT_HELP_NOT_AVAILABLE "Help not available"
#define TEXT_UNABLE_TO_PRINT "Unable to print file %ls"
#define TEXT_DICTIONARY_PROGRAM "C:/ZOLT/lexmar.exe "
#define TEXT_DICTIONARY_VERB "open"
#define TEXT_ABOUT_BOX_NAME "AboutBox"

// The menu (the text after the tab is the shortcut shown beside the item).
#define TEXT_MENU_FILE "&File"
#define TEXT_MENU_NEW "&New\tCtrl+N"
#define TEXT_MENU_OPEN "&Open...\tCtrl+O"
#define TEXT_MENU_SAVE "Sa&ve\tCtrl+S"
#define TEXT_MENU_SAVEAS "&Save As...\tCtrl+Shift+S"
#define TEXT_MENU_CLOSE "&Close"
#define TEXT_MENU_PRINT "&Print\tCtrl+P"
#define TEXT_MENU_PAGESETUP "Page Set&up..."
#define TEXT_MENU_PRINTPREVIEW "Print Pre&view"
#define TEXT_MENU_EXIT "E&xit"
// A recent file in the File menu: its number, then its name.
#define TEXT_MENU_RECENT_FILE "&%d %ls"
// What stands for the folders left out of a name too long for the menu.
#define TEXT_MENU_NAME_GAP "..."
#define TEXT_MENU_EDIT "&Edit"
#define TEXT_MENU_UNDO "&Undo\tCtrl+Z"
#define TEXT_MENU_REDO "&Redo\tCtrl+Y"
#define TEXT_MENU_CUT "Cu&t\tCtrl+X"
#define TEXT_MENU_COPY "&Copy\tCtrl+C"
#define TEXT_MENU_PASTE "&Paste\tCtrl+V"
#define TEXT_MENU_DELETE "De&lete\tDel"
#define TEXT_MENU_SELECTALL "&Select All\tCtrl+A"
#define TEXT_MENU_FIND "&Find...\tCtrl+F"
#define TEXT_MENU_FINDNEXT "Find &Next\tF3"
#define TEXT_MENU_REPLACE "&Replace...\tCtrl+R"
#define TEXT_MENU_GOTOLINE "&Go To Line...\tCtrl+G"
#define TEXT_MENU_WINDOW "&Window"
#define TEXT_MENU_TILE "&Tile"
#define TEXT_MENU_CASCADE "&Cascade"
#define TEXT_MENU_FORMAT "F&ormat"
#define TEXT_MENU_FONT "&Font..."
#define TEXT_MENU_DEFAULTGUIFONT "Default GUI Font"
#define TEXT_MENU_TIMESNEWROMAN "Times New Roman (12pt)"
#define TEXT_MENU_TOOLS "&Tools"
#define TEXT_MENU_SPELLING "&Spelling\tF7"
#define TEXT_MENU_DICTIONARY "&Dictionary"
#define TEXT_MENU_SPELLING_AS_YOU_TYPE "Spelling as You &Type"
// The document's context menu on an unknown word, above the Edit menu's commands.
#define TEXT_CONTEXT_IGNORE_ALL "I&gnore All"
#define TEXT_CONTEXT_ADD_WORD "&Add to Dictionary"
#define TEXT_CONTEXT_NO_SUGGESTIONS "(no suggestions)"
#define TEXT_MENU_HELP "&Help"
#define TEXT_MENU_HELP_ITEM "&Help"
#define TEXT_MENU_ABOUT "&About Penmar..."

// The About box.
#define TEXT_ABOUT_OK "OK"
#define TEXT_ABOUT_NAME "Penmar"
#define TEXT_ABOUT_PRODUCT "Penmar Editor for Windows"
#define TEXT_ABOUT_VERSION "Version " PENMAR_VERSION_TEXT
#define TEXT_ABOUT_COPYRIGHT "Copyright (c) 2024 the Penmar team"

// ---- Document windows and files ------------------------------------------------------------
#define TEXT_UNTITLED "[Untitled]"
#define TEXT_MESSAGE_CAPTION "Penmar"
#define TEXT_EMPTY_NAME "(untitled)"
#define TEXT_EDIT_BOX_FAILED "Could not create edit box."
#define TEXT_CHILD_CREATION_FAILED "MDI Child creation failed."
#define TEXT_SAVE_CHANGES "Save current changes in %ls?"
#define TEXT_EDIT_OUT_OF_SPACE "CHILD Edit control out of space."
#define TEXT_ZERO_BYTES_AS_BLANKS \
    "This file holds zero bytes. They are shown as blanks, and saving the file writes blanks in their place."
#define TEXT_ANSI_NOT_EXACT \
    "Some bytes of this file stand for no character of the system's code page. Saving the file writes " \
    "other bytes in their place."
// Before a save in the ANSI code page (the character, then its code point as U+ and four or more digits).
#define TEXT_NOT_IN_ANSI \
    "The character %ls (U+%04X) and perhaps others cannot be saved in the ANSI code page.\r\n\r\n" \
    "Save the file in UTF-8 instead?"
// The file name, then the system's own reason.
#define TEXT_OPEN_FAILED "Could not open the file\r\n%ls\r\n\r\n%ls"
#define TEXT_SAVE_FAILED "Could not save the file\r\n%ls\r\n\r\n%ls"
#define TEXT_SAVE_IN_USE "Could not save the file\r\n%ls\r\n\r\nAnother program is using the file."
#define TEXT_SAVE_NO_ROOM_FOR_COPY "Could not save the file\r\n%ls\r\n\r\nThere is not enough room on the disk to " \
    "write the new copy next to the old one. The old file is unchanged."
#define TEXT_SYSTEM_ERROR_NUMBER "System error %lu."
#define TEXT_NAME_TOO_LONG \
    "The file name given on the command line is too long (more than 259 characters); no file was opened."
// Start-up found copies of documents that were not saved when an editor last ended.
#define TEXT_RECOVERED_ONE \
    "A document that was not saved when Penmar last ended has been recovered and is open again. It is " \
    "not saved yet: save it to keep it."
#define TEXT_RECOVERED_MANY \
    "%d documents that were not saved when Penmar last ended have been recovered and are open again. " \
    "They are not saved yet: save the ones you want to keep."
// The folder of the copies.
#define TEXT_RECOVERY_UNREADABLE_ONE "A recovery copy could not be read. It is kept in %ls"
#define TEXT_RECOVERY_UNREADABLE_MANY "%d recovery copies could not be read. They are kept in %ls"
#define TEXT_STATUS_OPENED "Opened..."
#define TEXT_STATUS_SAVED "Saved..."
#define TEXT_STATUS_POSITION "Ln %d, Col %d"
// How the active document's file keeps its text.
#define TEXT_ENCODING_ANSI "ANSI"
#define TEXT_ENCODING_UTF8 "UTF-8"
#define TEXT_ENCODING_UTF8_BOM "UTF-8 with BOM"
#define TEXT_ENCODING_UTF16_LE "UTF-16 LE"
#define TEXT_ENCODING_UTF16_BE "UTF-16 BE"
#define TEXT_LINE_ENDS_CRLF "CRLF"
#define TEXT_LINE_ENDS_LF "LF"
#define TEXT_LINE_ENDS_CR "CR"
#define TEXT_LINE_ENDS_MIXED "Mixed"
#define TEXT_FILTER_TEXT_FILES "Text Files (*.txt)"
#define TEXT_FILTER_TEXT_PATTERN "*.txt"
#define TEXT_FILTER_ALL_FILES "All Files (*.*)"
#define TEXT_FILTER_ALL_PATTERN "*.*"
#define TEXT_DEFAULT_EXTENSION "txt"
// The Save As dialog's types: the encodings a document can be saved in, each for any file name.
#define TEXT_FILTER_SAVE_UTF8 "Text in UTF-8 (*.*)"
#define TEXT_FILTER_SAVE_UTF8_BOM "Text in UTF-8 with BOM (*.*)"
#define TEXT_FILTER_SAVE_UTF16_LE "Text in UTF-16 LE (*.*)"
#define TEXT_FILTER_SAVE_UTF16_BE "Text in UTF-16 BE (*.*)"
#define TEXT_FILTER_SAVE_ANSI "Text in ANSI (*.*)"

// ---- Find and replace, fonts, printing -----------------------------------------------------
#define TEXT_GOTO_BOX_NAME "GoToLineBox"
#define TEXT_GOTO_CAPTION "Go To Line"
#define TEXT_GOTO_LABEL "&Line number:"
#define TEXT_GOTO_OK "OK"
#define TEXT_GOTO_CANCEL "Cancel"
// A line number that is not in the document (%d: how many lines it has).
#define TEXT_LINE_OUT_OF_RANGE "There is no such line. Enter a line number from 1 to %d."
#define TEXT_FIND_NOT_FOUND "Find text not found!"
#define TEXT_REPLACE_NOT_FOUND "Text not found!"
#define TEXT_FONT_CREATION_FAILED "Font creation failed!"
#define TEXT_FONT_NAME_DEFAULT "Lucida Console"
#define TEXT_FONT_NAME_TIMES "Times New Roman"
#define TEXT_PRINT_BOX_NAME "PrintDlgBox"
#define TEXT_PRINT_BOX_CAPTION "Penmar"
#define TEXT_PRINT_BOX_SENDING "Sending"
#define TEXT_PRINT_BOX_SPOOLER "to print spooler."
#define TEXT_PRINT_BOX_CANCEL "Cancel"

// ---- Printed pages, page setup and print preview -------------------------------------------
// The footer of each printed page, and the page being sent in the printing box.
#define TEXT_PAGE_NUMBER "Page %d of %d"
#define TEXT_PAGE_SETUP_HEADER "&Header: the file name at the top of each page"
#define TEXT_PAGE_SETUP_FOOTER "&Footer: the page number at the bottom"
#define TEXT_PREVIEW_TITLE "Print Preview - %ls"
#define TEXT_PREVIEW_PRINT "&Print..."
#define TEXT_PREVIEW_PREVIOUS "Pre&vious Page"
#define TEXT_PREVIEW_NEXT "&Next Page"
#define TEXT_PREVIEW_TWO_PAGES "&Two Pages"
#define TEXT_PREVIEW_ONE_PAGE "&One Page"
#define TEXT_PREVIEW_ZOOM_IN "Zoom &In"
#define TEXT_PREVIEW_ZOOM_OUT "Zoom O&ut"
#define TEXT_PREVIEW_CLOSE "&Close"
// The pages shown: one page, or the two side by side.
#define TEXT_PREVIEW_PAGE "Page %d of %d"
#define TEXT_PREVIEW_PAGES "Pages %d and %d of %d"
#define TEXT_NO_PRINTER \
    "There is no printer to lay the pages out for. Add a printer in the system's settings, then try again."
#define TEXT_PREVIEW_FAILED "Not enough memory to lay out the pages."


// ---- Spell dialog and spell-check run ------------------------------------------------------
#define TEXT_CAPTION_SPELL_DIALOG "Spellmar"
#define TEXT_WORD_LABEL "Word"
#define TEXT_SELECTED_WORD_LABEL "Selected Word"
#define TEXT_DIALOG_VERSION PENMAR_DIALOG_VERSION_TEXT
#define TEXT_STATUS_BLANK " "
#define TEXT_IGNORE_ONCE_BUTTON "&Ignore Once"
#define TEXT_IGNORE_ALL_BUTTON "I&gnore All"
#define TEXT_WORD_ADD_BUTTON "&Word Add"
#define TEXT_CHANGE_BUTTON "&Change"
#define TEXT_CHANGE_ALL_BUTTON "Change &All"
#define TEXT_SPELL_CHECK_BUTTON "&Spell Check"
#define TEXT_CANCEL_BUTTON "Canc&el"

#define TEXT_WORD_KNOWN "OK"
#define TEXT_WORD_UNKNOWN "Incorrect"

#define TEXT_CAPTION_WARNING "Warning"
#define TEXT_ENTER_WORD_TO_CHECK "Plese enter a word to check!"
#define TEXT_ENTER_SHORTER_WORD "Please enter a shorter word!"
#define TEXT_ENTER_WORD_TO_IGNORE "Plese enter a word to ignore!"
#define TEXT_NO_ROOM_TO_ADD "No more room to add!"
#define TEXT_NO_ITEMS_SELECTED "No items selected!"
#define TEXT_ERROR_COUNTING_ITEMS "Error counting items!"
#define TEXT_ERROR_COUNTING_SELECTION "Error counting items : "
#define TEXT_ERROR_GETTING_SELECTION "Error getting selected item : "
// Word Add when the document word is longer than a checked word can be.
#define TEXT_WORD_TOO_LONG "This word is too long for the Local Dictionary!"

#define TEXT_SPELL_COMPLETE "The spelling check is complete"
// A run that began after the start of the document has reached its end (caption: the spell dialog's).
#define TEXT_SPELL_GO_ON_FROM_START "The end of the document was reached. Continue checking from the beginning?"
#define TEXT_CAPTION_NO_MISTAKES "No mistakes found"
#define TEXT_CAPTION_MISTAKES "Mistake(s) found"
#define TEXT_CONFIRM_WORD_ADD "OK to ADD %s to the Local Dictionary?"
#define TEXT_CAPTION_WORD_ADD "Word Add"
#define TEXT_UNABLE_TO_OPEN "Unable to open"
#define TEXT_CAPTION_WORD_ADDED "Word Added OK"
#define TEXT_CAPTION_WORD_NOT_ADDED "Unable to Add this word"
#define TEXT_LOCAL_WORD_RECORD "%s\r\n"
// Word Add when the local word list already holds as many words as it can (%d: how many; %s: the word).
#define TEXT_LOCAL_LIST_FULL "The Local Dictionary is full: it holds %d words, and %s was not added."
#define TEXT_SPELL_DIALOG_FAILED "Unable to open the spelling dialog."
// The status bar while a long spell run goes on (%d: the share of the document checked, in per cent).
#define TEXT_STATUS_SPELLING_PROGRESS "Spelling %d%%"
#define TEXT_STATUS_SPELLING_STOPS "Esc stops the spelling check."
// Any check when the word lists cannot be loaded (%s: the list's path).
#define TEXT_WORD_LIST_NOT_LOADED "Could not load the word list %s"

// ---- Lookup tool ---------------------------------------------------------------------------
#define TEXT_REMOVE_BUTTON "&Remove"
#define TEXT_CLEAR_BUTTON "&Clear"
#define TEXT_NO_MEMORY_TO_REMOVE "Not enough memory to remove the items!"

