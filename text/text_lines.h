// Lines of a document's text as the line breaks of the text make them (not as long lines wrap on the
// screen): a line ends with a line feed (after a carriage return, or bare). Lines and columns count
// from 1; a column counts characters as the user sees them, a surrogate pair as one. Portable.
#pragma once

// The line and column of the character index (at most the text's length) in the first `index`
// characters of a text.
void LineAndColumnAt(const wchar_t* text, int index, int& line, int& column);

int CountLines(const wchar_t* text, int length);

// Index of the first character of the line, or -1 when the text has no such line.
int IndexOfLine(const wchar_t* text, int length, int line);
