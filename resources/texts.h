// Every text the programs show to users, in one place.
#pragma once

// Version shown in the status bar, the dialogs and the About box.
#define PENMAR_VERSION_TEXT "2.3"

// ---- Start-up and frame --------------------------------------------------------------------


// ---- Document windows and files ------------------------------------------------------------


// ---- Find and replace, fonts, printing -----------------------------------------------------


// ---- Spell dialog and spell-check run ------------------------------------------------------


// ---- Lookup tool ---------------------------------------------------------------------------

