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
#define SPELL_DIALOG_CAPTION "Spellmar"
#define WORD_LABEL_TEXT "Word"
#define SELECTED_WORD_LABEL_TEXT "Selected Word"
#define DIALOG_VERSION_TEXT "Ver 2.3"
#define STATUS_BLANK_TEXT " "
#define IGNORE_ONCE_BUTTON_TEXT "&Ignore Once"
#define IGNORE_ALL_BUTTON_TEXT "I&gnore All"
#define WORD_ADD_BUTTON_TEXT "&Word Add"
#define CHANGE_BUTTON_TEXT "&Change"
#define CHANGE_ALL_BUTTON_TEXT "Change &All"
#define SPELL_CHECK_BUTTON_TEXT "&Spell Check"
#define CANCEL_BUTTON_TEXT "Canc&el"

#define WORD_KNOWN_TEXT "OK"
#define WORD_UNKNOWN_TEXT "Incorrect"

#define WARNING_CAPTION "Warning"
#define ENTER_WORD_TO_CHECK_TEXT "Plese enter a word to check!"
#define ENTER_SHORTER_WORD_TEXT "Please enter a shorter word!"
#define ENTER_WORD_TO_IGNORE_TEXT "Plese enter a word to ignore!"
#define NO_ROOM_TO_ADD_TEXT "No more room to add!"
#define NO_ITEMS_SELECTED_TEXT "No items selected!"
#define ERROR_COUNTING_ITEMS_TEXT "Error counting items!"
#define ERROR_COUNTING_SELECTION_TEXT "Error counting items : "
#define ERROR_GETTING_SELECTION_TEXT "Error getting selected item : "
// Word Add when the document word is longer than a checked word can be.
#define WORD_TOO_LONG_TEXT "This word is too long for the Local Dictionary!"

#define SPELL_COMPLETE_TEXT "The spelling check is complete"
#define NO_MISTAKES_CAPTION "No mistakes found"
#define MISTAKES_CAPTION "Mistake(s) found"
#define CONFIRM_WORD_ADD_FORMAT "OK to ADD %s to the Local Dictionary?"
#define WORD_ADD_CAPTION "Word Add"
#define UNABLE_TO_OPEN_TEXT "Unable to open"
#define WORD_ADDED_CAPTION "Word Added OK"
#define WORD_NOT_ADDED_CAPTION "Unable to Add this word"
#define LOCAL_WORD_RECORD_FORMAT "%s\r\n"
#define SPELL_DIALOG_FAILED_TEXT "Unable to open the spelling dialog."
#define SPELL_ERROR_CAPTION "Error"


// ---- Lookup tool ---------------------------------------------------------------------------
#define REMOVE_BUTTON_TEXT "&Remove"
#define CLEAR_BUTTON_TEXT "&Clear"
#define NO_MEMORY_TO_REMOVE_TEXT "Not enough memory to remove the items!"

