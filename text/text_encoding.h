// How a text file's bytes stand for its text, and how its lines end: the decoding on open and the
// encoding on save, so that saving writes back the bytes that were opened. Portable, no windowing
// system, no allocation: the caller gives every buffer.
#pragma once
#include <cstddef>
#include <cstdint>

// How a file's bytes stand for its text.
enum TextEncoding {
    EncodingAnsi,      // the system's ANSI code page (Windows-1252 on Western systems): the caller converts
    EncodingUtf8,      // UTF-8 without a byte order mark (also pure ASCII)
    EncodingUtf8Bom,   // UTF-8 after EF BB BF
    EncodingUtf16Le,   // after FF FE
    EncodingUtf16Be,   // after FE FF
};

// How the lines of a text end.
enum LineEnds {
    LineEndsCrLf,    // every line end is CR LF, or the text has none
    LineEndsLf,      // every line end is a bare LF
    LineEndsCr,      // every line end is a bare CR
    LineEndsMixed,   // more than one kind: the text is kept as it is
};

// Strict, no guessing: a BOM says UTF-8, UTF-16 LE or UTF-16 BE; otherwise bytes that are valid UTF-8
// (shortest forms only, no surrogates, nothing above U+10FFFF) are EncodingUtf8; anything else is EncodingAnsi.
// An FF FE or FE FF file whose remaining byte count is odd is EncodingAnsi (it would not round-trip);
// so is an EF BB BF file whose remaining bytes are not valid UTF-8, for the same reason.
TextEncoding DetectEncoding(const unsigned char* bytes, size_t size);

// Length of the BOM that the encoding writes (0, 2 or 3).
size_t BomLength(TextEncoding encoding);

// `bytes` and `size` below are the whole file, BOM included, as DetectEncoding took them.
// UTF-16 code units the decoded text needs (BOM not counted); for EncodingAnsi 0 (the caller converts).
size_t DecodedLength(const unsigned char* bytes, size_t size, TextEncoding encoding);
// Decodes the bytes after the BOM into out (DecodedLength units, no terminator written).
// Returns false when the text would not encode back to the same bytes (never for a DetectEncoding result
// other than EncodingAnsi, which this module does not decode: false, nothing written). Then the file
// lacks the encoding's BOM, UTF-16 has an odd byte at the end (left out), or a byte of UTF-8 is not part
// of a valid sequence (written as U+FFFD, one for each such byte).
bool DecodeText(const unsigned char* bytes, size_t size, TextEncoding encoding, char16_t* out);

// Bytes needed to encode length code units, BOM included; for EncodingAnsi 0 (the caller converts).
size_t EncodedSize(const char16_t* text, size_t length, TextEncoding encoding);
// Writes BOM and text into out (EncodedSize bytes). An unpaired surrogate in UTF-8 is written as the
// three-byte form of its value (so nothing is lost; such a file then opens as ANSI).
void EncodeText(const char16_t* text, size_t length, TextEncoding encoding, unsigned char* out);

// The kind of line ends of a text. A CR followed by an LF is one CR LF end.
LineEnds DetectLineEnds(const char16_t* text, size_t length);
// An LF-only or CR-only text as the edit control shows lines: every line end becomes CR LF.
// Length after expanding, and the expansion into out (which must not overlap text).
// For LineEndsCrLf and LineEndsMixed the text is copied as it is.
size_t ExpandedLength(const char16_t* text, size_t length, LineEnds ends);
void ExpandLineEnds(const char16_t* text, size_t length, LineEnds ends, char16_t* out);
// Back to the file's own line ends: every CR LF becomes LF (LineEndsLf) or CR (LineEndsCr); in place,
// returns the new length. Other ends are left as they are. CrLf and Mixed: nothing changes.
size_t CollapseLineEnds(char16_t* text, size_t length, LineEnds ends);
