// Ids of the spell dialog (Penmar) and of the lookup dialog (lexmar). Both are dialog 101 of their
// program and share the Word box, the status text and the suggestion list.
#pragma once

#define WORD_DIALOG_ID 101

#define IDC_WORD_BOX 1000
#define IDC_WORD_STATUS 1001
#define IDC_SUGGESTION_LIST 1002

// Spell dialog
#define IDC_IGNORE_ONCE 1003
#define IDC_IGNORE_ALL 1004
#define IDC_WORD_ADD 1005
#define IDC_CHANGE 1006
#define IDC_CHANGE_ALL 1007
#define IDC_SPELL_CHECK 1008
#define IDC_SPELL_CANCEL 1009
#define IDC_SPELL_SELECTED_WORD 1010

// Lookup dialog
#define IDC_LOOKUP_CHECK 1003
#define IDC_LOOKUP_CLEAR 1004
#define IDC_LOOKUP_REMOVE 1005
#define IDC_LOOKUP_SELECTED_WORD 1006
#define IDC_LOOKUP_CANCEL 1009
