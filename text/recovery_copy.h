// The file that keeps a copy of a document with unsaved changes, for recovery after a crash: UTF-16 LE
// text that Notepad opens too. After the byte order mark come the line RecoveryCopyMark, the full path
// of the document's file (an empty line for a new document), the encoding and the line ends of that
// file by name, an empty line, and then the document's text as its edit control held it (CR LF lines).
// Each header line ends in CR LF. Portable, no windowing system, no allocation.
#pragma once
#include <cstddef>

#include "text_encoding.h"

// The first line of every copy: what the file is, and the version of its layout.
const char16_t RecoveryCopyMark[] = u"Penmar recovery copy 1";
// The longest path a copy names: a file name's limit on Windows, without its terminator.
const size_t RecoveryPathLimit = 259;

// Code units of the header (byte order mark included) for a path of pathLength units.
size_t RecoveryHeaderLength(size_t pathLength, TextEncoding encoding, LineEnds lineEnds);
// Writes the header into out (RecoveryHeaderLength units); the text follows it. pathLength is at most
// RecoveryPathLimit.
void WriteRecoveryHeader(const char16_t* path, size_t pathLength, TextEncoding encoding, LineEnds lineEnds,
                         char16_t* out);

// Where the parts of a copy stand, in code units from the start of the file (byte order mark included).
struct RecoveryCopyParts {
    size_t pathStart;
    size_t pathLength;
    TextEncoding encoding;
    LineEnds lineEnds;
    size_t textStart;
    size_t textLength;
};

// Reads a copy's bytes; false when they are not a copy this program wrote whole: no UTF-16 LE byte
// order mark, an odd byte at the end, another first line, a path too long or holding a control
// character, an unknown encoding or line ends, no empty line after them, or a zero unit in the text
// (which an edit control would take for its end).
bool ParseRecoveryCopy(const unsigned char* bytes, size_t size, RecoveryCopyParts& parts);
