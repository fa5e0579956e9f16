// Lines of a document's text as its edit control breaks them: a line ends with a line feed (after a
// carriage return, or bare). Lines and columns count from 1; a column counts characters.
#pragma once

// The line and column of the character index (at most the text's length) in the first `index`
// characters of a text.
void LineAndColumnAt(const char* text, int index, int& line, int& column);

int CountLines(const char* text, int length);

// Index of the first character of the line, or -1 when the text has no such line.
int IndexOfLine(const char* text, int length, int line);
