// Every text the programs show to users, in one place.
#pragma once

// Version shown in the status bar, the dialogs and the About box.
#define PENMAR_VERSION_TEXT "2.3"

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
#define TEXT_STATUS_VERSION "Version " PENMAR_VERSION_TEXT
#define TEXT_HELP_NOT_AVAILABLE "Help not available"
#define TEXT_UNABLE_TO_PRINT "Unable to print file %s"
#define TEXT_DICTIONARY_PROGRAM "C:/ZOLT/lexmar.exe "
#define TEXT_DICTIONARY_VERB "open"
#define TEXT_ABOUT_BOX_NAME "AboutBox"

// The menu (the text after the tab is the shortcut shown beside the item).
#define TEXT_MENU_FILE "&File"
#define TEXT_MENU_NEW "&New\tCtrl+N"
#define TEXT_MENU_OPEN "&Open...\tCtrl+O"
#define TEXT_MENU_SAVEAS "&Save As...\tCtrl+S"
#define TEXT_MENU_CLOSE "&Close"
#define TEXT_MENU_PRINT "&Print\tCtrl+P"
#define TEXT_MENU_EXIT "E&xit"
#define TEXT_MENU_EDIT "&Edit"
#define TEXT_MENU_UNDO "&Undo\tCtrl+Z"
#define TEXT_MENU_CUT "Cu&t\tCtrl+X"
#define TEXT_MENU_COPY "&Copy\tCtrl+C"
#define TEXT_MENU_PASTE "&Paste\tCtrl+V"
#define TEXT_MENU_DELETE "De&lete\tDel"
#define TEXT_MENU_SELECTALL "&Select All\tCtrl+A"
#define TEXT_MENU_FIND "&Find...\tCtrl+F"
#define TEXT_MENU_FINDNEXT "Find &Next\tF3"
#define TEXT_MENU_REPLACE "&Replace...\tCtrl+R"
#define TEXT_MENU_WINDOW "&Window"
#define TEXT_MENU_TILE "&Tile"
#define TEXT_MENU_CASCADE "&Cascade"
#define TEXT_MENU_FORMAT "F&ormat"
#define TEXT_MENU_FONT "&Font..."
#define TEXT_MENU_DEFAULTGUIFONT "Default GUI Font"
#define TEXT_MENU_TIMESNEWROMAN "Times New Roman (12pt)"
#define TEXT_MENU_TOOLS "&Tools"
#define TEXT_MENU_SPELLING "&Spelling"
#define TEXT_MENU_DICTIONARY "&Dictionary"
#define TEXT_MENU_HELP "&Help"
#define TEXT_MENU_HELP_ITEM "&Help"
#define TEXT_MENU_ABOUT "&About Penmar..."

// The About box.
#define TEXT_ABOUT_OK "OK"
#define TEXT_ABOUT_NAME "Penmar"
#define TEXT_ABOUT_PRODUCT "Penmar Editor for Windows"
#define TEXT_ABOUT_COPYRIGHT "Copyright (c) 2024 the Penmar team"

// ---- Document windows and files ------------------------------------------------------------
#define TEXT_UNTITLED "[Untitled]"
#define TEXT_MESSAGE_CAPTION "Penmar"
#define TEXT_EMPTY_NAME "(untitled)"
#define TEXT_EDIT_BOX_FAILED "Could not create edit box."
#define TEXT_CHILD_CREATION_FAILED "MDI Child creation failed."
#define TEXT_SAVE_CHANGES "Save current changes in %s?"
#define TEXT_EDIT_OUT_OF_SPACE "CHILD Edit control out of space."
#define TEXT_COULD_NOT_OPEN "Could not open file."
#define TEXT_SIZE_UNREADABLE "File is really too big to be opened!"
#define TEXT_NO_MEMORY_TO_OPEN "Not enough memory to be opened!"
#define TEXT_READ_FAILED "File is too big to be opened!"
#define TEXT_EDIT_REFUSED_TEXT "Problem loading Edit Control!"
#define TEXT_STATUS_OPENED "Opened..."
#define TEXT_STATUS_SAVED "Saved..."
#define TEXT_FILTER_TEXT_FILES "Text Files (*.txt)"
#define TEXT_FILTER_TEXT_PATTERN "*.txt"
#define TEXT_FILTER_ALL_FILES "All Files (*.*)"
#define TEXT_FILTER_ALL_PATTERN "*.*"
#define TEXT_DEFAULT_EXTENSION "txt"

// ---- Find and replace, fonts, printing -----------------------------------------------------


// ---- Spell dialog and spell-check run ------------------------------------------------------


// ---- Lookup tool ---------------------------------------------------------------------------

