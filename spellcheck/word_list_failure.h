// What the programs say when the word lists cannot be loaded: without them every word would read as
// misspelled, so the check names the list instead of giving a verdict.
#pragma once

// Room for the message: its text and the longest list path.
const int ListFailureMessageSize = 192;

// After a CheckWord: false when the word lists are loaded. Otherwise true, and message (room for
// ListFailureMessageSize bytes) names the list that could not be loaded.
bool WordListFailure(char* message);
