// The dialogs' Word box check (CheckTypedText), for the fuzz targets.
#pragma once
#include <string>

// Checks the typed text as the spell dialog and the lookup tool do, then verifies what the check
// promises: a verdict, a terminated refusal or entries of at most 31 characters, the known word alone.
void CheckTypedTextForFuzzing(const std::string& typed);
