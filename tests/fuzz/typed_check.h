// The engine's part of the dialogs' Word box check, for the fuzz targets.
#pragma once
#include <string>

// Checks the typed text as the spell dialog and the lookup tool do (an empty text or one longer than
// 31 characters is refused), then verifies that every answer is a terminated word of at most 31 characters.
void CheckTypedTextForFuzzing(const std::string& typed);
