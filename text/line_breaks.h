// Where a row of wrapped text may end, and where words begin for Ctrl+Left, Ctrl+Right and a double
// click: the answers an edit control asks its word-break procedure for. The control's own procedure
// (under Wine) first analyses the whole text after every change; this one looks only at the characters
// around the place asked about, so a keystroke in a long paragraph costs the same in any document.
#pragma once

// What the control asks; the values of the system's WB_LEFT, WB_RIGHT and WB_ISDELIMITER.
enum WordBreakQuestion { BreakBefore = 0, BreakAfter = 1, IsDelimiter = 2 };

// Answers a question about the `count` characters of `text` at `index`, as an edit control's
// word-break procedure does:
//  - BreakBefore: the last place before `index` where a row may begin (0 when there is none);
//  - BreakAfter: the first place from `index` on where a row may begin (`count` when there is none);
//  - IsDelimiter: 1 when the character at `index` is white space, else 0.
// A row may begin after white space, after a hyphen inside a word, and beside an ideograph; never at
// white space itself, which stays at the end of the row before.
int AnswerWordBreak(const wchar_t* text, int index, int count, int question);
