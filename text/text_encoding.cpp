#include "text_encoding.h"

#include <cstring>

namespace {

const unsigned char Utf8Bom[] = {0xEF, 0xBB, 0xBF};
const unsigned char Utf16LeBom[] = {0xFF, 0xFE};
const unsigned char Utf16BeBom[] = {0xFE, 0xFF};

const char16_t ReplacementCharacter = 0xFFFD;
const char16_t CarriageReturn = u'\r';
const char16_t LineFeed = u'\n';

// Plain ASCII is checked and copied eight bytes (four code units) at a time, in 32-bit halves so that
// the 32-bit build needs no 64-bit arithmetic.
const size_t AsciiChunkBytes = 8;
const size_t AsciiChunkUnits = 4;

uint32_t Load32(const void* p)
{
    uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

bool IsAsciiChunk(const unsigned char* bytes)
{
    return ((Load32(bytes) | Load32(bytes + 4)) & 0x80808080u) == 0;
}

bool IsAsciiUnitChunk(const char16_t* units)
{
    return ((Load32(units) | Load32(units + 2)) & 0xFF80FF80u) == 0;
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool StartsWith(const unsigned char* bytes, size_t size, const unsigned char* prefix, size_t prefixSize)
{
    return size >= prefixSize && std::memcmp(bytes, prefix, prefixSize) == 0;
}

// Length of the valid UTF-8 sequence at `bytes` (first byte 0x80 or above, `available` bytes there), or 0
// when it is not one. The ranges of the second byte shut out overlong forms (E0, F0), surrogates (ED) and
// code points above U+10FFFF (F4); C0, C1 and F5 to FF never begin a sequence.
size_t SequenceLength(const unsigned char* bytes, size_t available)
{
    unsigned char lead = bytes[0];
    unsigned char low = 0x80, high = 0xBF;
    size_t length;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (available < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (size_t k = 2; k < length; k++)
        if ((bytes[k] & 0xC0) != 0x80)
            return 0;
    return length;
}

// UTF-16 units of a valid sequence of that length: a four-byte one lies beyond U+FFFF.
size_t SequenceUnits(size_t sequenceLength)
{
    return sequenceLength == 4 ? 2 : 1;
}

// Writes the code point of a valid sequence as one unit or a surrogate pair; returns the next out.
char16_t* WriteSequence(const unsigned char* bytes, size_t length, char16_t* out)
{
    uint32_t point;
    if (length == 2)
        point = (bytes[0] & 0x1Fu) << 6 | (bytes[1] & 0x3Fu);
    else if (length == 3)
        point = (bytes[0] & 0x0Fu) << 12 | (bytes[1] & 0x3Fu) << 6 | (bytes[2] & 0x3Fu);
    else
        point = (bytes[0] & 0x07u) << 18 | (bytes[1] & 0x3Fu) << 12 | (bytes[2] & 0x3Fu) << 6 | (bytes[3] & 0x3Fu);
    if (point < 0x10000) {
        *out++ = static_cast<char16_t>(point);
    } else {
        point -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (point >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (point & 0x3FF));
    }
    return out;
}

bool IsValidUtf8(const unsigned char* bytes, size_t size)
{
    size_t i = 0;
    while (i < size) {
        while (size - i >= AsciiChunkBytes && IsAsciiChunk(bytes + i))
            i += AsciiChunkBytes;
        if (i == size)
            break;
        if (bytes[i] < 0x80) {
            i++;
            continue;
        }
        size_t length = SequenceLength(bytes + i, size - i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// Each byte that is not part of a valid sequence is one unit (U+FFFD) in the decoded text.
size_t Utf8DecodedLength(const unsigned char* bytes, size_t size)
{
    size_t units = 0;
    size_t i = 0;
    while (i < size) {
        size_t run = i;
        while (size - i >= AsciiChunkBytes && IsAsciiChunk(bytes + i))
            i += AsciiChunkBytes;
        units += i - run;
        if (i == size)
            break;
        if (bytes[i] < 0x80) {
            units++;
            i++;
            continue;
        }
        size_t length = SequenceLength(bytes + i, size - i);
        if (length == 0) {
            units++;
            i++;
        } else {
            units += SequenceUnits(length);
            i += length;
        }
    }
    return units;
}

bool DecodeUtf8(const unsigned char* bytes, size_t size, char16_t* out)
{
    bool exact = true;
    size_t i = 0;
    while (i < size) {
        while (size - i >= AsciiChunkBytes && IsAsciiChunk(bytes + i)) {
            for (size_t k = 0; k < AsciiChunkBytes; k++)
                out[k] = bytes[i + k];
            out += AsciiChunkBytes;
            i += AsciiChunkBytes;
        }
        if (i == size)
            break;
        if (bytes[i] < 0x80) {
            *out++ = bytes[i++];
            continue;
        }
        size_t length = SequenceLength(bytes + i, size - i);
        if (length == 0) {
            *out++ = ReplacementCharacter;
            exact = false;
            i++;
        } else {
            out = WriteSequence(bytes + i, length, out);
            i += length;
        }
    }
    return exact;
}

void DecodeUtf16(const unsigned char* bytes, size_t units, bool bigEndian, char16_t* out)
{
    const unsigned first = bigEndian ? 1 : 0;
    for (size_t k = 0; k < units; k++)
        out[k] = static_cast<char16_t>(bytes[2 * k + first] | bytes[2 * k + 1 - first] << 8);
}

// Bytes of UTF-8 beyond one a unit: one for U+0080 to U+07FF, two for the rest of the plane and for an
// unpaired surrogate, two for a surrogate pair (four bytes for two units).
size_t Utf8ExtraBytes(const char16_t* text, size_t length)
{
    size_t extra = 0;
    size_t i = 0;
    while (i < length) {
        while (length - i >= AsciiChunkUnits && IsAsciiUnitChunk(text + i))
            i += AsciiChunkUnits;
        if (i == length)
            break;
        char16_t unit = text[i];
        if (unit < 0x80) {
            i++;
        } else if (unit < 0x800) {
            extra += 1;
            i++;
        } else if (IsHighSurrogate(unit) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
            extra += 2;
            i += 2;
        } else {
            extra += 2;
            i++;
        }
    }
    return extra;
}

void EncodeUtf8(const char16_t* text, size_t length, unsigned char* out)
{
    size_t i = 0;
    while (i < length) {
        while (length - i >= AsciiChunkUnits && IsAsciiUnitChunk(text + i)) {
            for (size_t k = 0; k < AsciiChunkUnits; k++)
                out[k] = static_cast<unsigned char>(text[i + k]);
            out += AsciiChunkUnits;
            i += AsciiChunkUnits;
        }
        if (i == length)
            break;
        uint32_t unit = text[i];
        if (unit < 0x80) {
            *out++ = static_cast<unsigned char>(unit);
            i++;
        } else if (unit < 0x800) {
            *out++ = static_cast<unsigned char>(0xC0 | unit >> 6);
            *out++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
            i++;
        } else if (IsHighSurrogate(text[i]) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
            uint32_t point = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            *out++ = static_cast<unsigned char>(0xF0 | point >> 18);
            *out++ = static_cast<unsigned char>(0x80 | (point >> 12 & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (point >> 6 & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (point & 0x3F));
            i += 2;
        } else {
            // Also an unpaired surrogate: its own value in three bytes, so that nothing is lost.
            *out++ = static_cast<unsigned char>(0xE0 | unit >> 12);
            *out++ = static_cast<unsigned char>(0x80 | (unit >> 6 & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
            i++;
        }
    }
}

void EncodeUtf16(const char16_t* text, size_t length, bool bigEndian, unsigned char* out)
{
    const unsigned first = bigEndian ? 1 : 0;
    for (size_t k = 0; k < length; k++) {
        out[2 * k + first] = static_cast<unsigned char>(text[k] & 0xFF);
        out[2 * k + 1 - first] = static_cast<unsigned char>(text[k] >> 8);
    }
}

const unsigned char* BomBytes(TextEncoding encoding)
{
    switch (encoding) {
    case EncodingUtf8Bom:
        return Utf8Bom;
    case EncodingUtf16Le:
        return Utf16LeBom;
    case EncodingUtf16Be:
        return Utf16BeBom;
    default:
        return nullptr;
    }
}

// The line end that a text of these ends shows as a bare unit, which expanding turns into CR LF.
bool IsBareEnd(const char16_t* text, size_t length, size_t i, LineEnds ends)
{
    if (ends == LineEndsLf)
        return text[i] == LineFeed && (i == 0 || text[i - 1] != CarriageReturn);
    if (ends == LineEndsCr)
        return text[i] == CarriageReturn && (i + 1 == length || text[i + 1] != LineFeed);
    return false;
}

} // namespace

TextEncoding DetectEncoding(const unsigned char* bytes, size_t size)
{
    if (StartsWith(bytes, size, Utf16LeBom, sizeof Utf16LeBom))
        return (size - sizeof Utf16LeBom) % 2 == 0 ? EncodingUtf16Le : EncodingAnsi;
    if (StartsWith(bytes, size, Utf16BeBom, sizeof Utf16BeBom))
        return (size - sizeof Utf16BeBom) % 2 == 0 ? EncodingUtf16Be : EncodingAnsi;
    if (!IsValidUtf8(bytes, size))
        return EncodingAnsi;
    return StartsWith(bytes, size, Utf8Bom, sizeof Utf8Bom) ? EncodingUtf8Bom : EncodingUtf8;
}

size_t BomLength(TextEncoding encoding)
{
    switch (encoding) {
    case EncodingUtf8Bom:
        return sizeof Utf8Bom;
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        return 2;
    default:
        return 0;
    }
}

size_t DecodedLength(const unsigned char* bytes, size_t size, TextEncoding encoding)
{
    size_t bom = BomLength(encoding) < size ? BomLength(encoding) : size;
    switch (encoding) {
    case EncodingUtf8:
    case EncodingUtf8Bom:
        return Utf8DecodedLength(bytes + bom, size - bom);
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        return (size - bom) / 2;
    default:
        return 0;
    }
}

bool DecodeText(const unsigned char* bytes, size_t size, TextEncoding encoding, char16_t* out)
{
    size_t bom = BomLength(encoding) < size ? BomLength(encoding) : size;
    bool hasBom = bom == BomLength(encoding) && (bom == 0 || std::memcmp(bytes, BomBytes(encoding), bom) == 0);
    switch (encoding) {
    case EncodingUtf8:
    case EncodingUtf8Bom:
        return DecodeUtf8(bytes + bom, size - bom, out) && hasBom;
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        DecodeUtf16(bytes + bom, (size - bom) / 2, encoding == EncodingUtf16Be, out);
        return hasBom && (size - bom) % 2 == 0;
    default:
        return false;
    }
}

size_t EncodedSize(const char16_t* text, size_t length, TextEncoding encoding)
{
    switch (encoding) {
    case EncodingUtf8:
    case EncodingUtf8Bom: {
        // At most two extra bytes a unit, and a text in memory is shorter than half the address space:
        // only the BOM can carry the sum past the largest size, and then no buffer could hold it.
        size_t size = length + Utf8ExtraBytes(text, length);
        if (size < length || size + BomLength(encoding) < size)
            return SIZE_MAX;
        return size + BomLength(encoding);
    }
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        return 2 * length + BomLength(encoding);
    default:
        return 0;
    }
}

void EncodeText(const char16_t* text, size_t length, TextEncoding encoding, unsigned char* out)
{
    size_t bom = BomLength(encoding);
    if (bom > 0)
        std::memcpy(out, BomBytes(encoding), bom);
    switch (encoding) {
    case EncodingUtf8:
    case EncodingUtf8Bom:
        EncodeUtf8(text, length, out + bom);
        break;
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        EncodeUtf16(text, length, encoding == EncodingUtf16Be, out + bom);
        break;
    default:
        break;
    }
}

LineEnds DetectLineEnds(const char16_t* text, size_t length)
{
    bool crLf = false, lf = false, cr = false;
    for (size_t i = 0; i < length; i++) {
        char16_t unit = text[i];
        if (unit > CarriageReturn)
            continue;
        if (unit == CarriageReturn) {
            if (i + 1 < length && text[i + 1] == LineFeed) {
                crLf = true;
                i++;
            } else {
                cr = true;
            }
        } else if (unit == LineFeed) {
            lf = true;
        }
    }
    int kinds = (crLf ? 1 : 0) + (lf ? 1 : 0) + (cr ? 1 : 0);
    if (kinds > 1)
        return LineEndsMixed;
    if (lf)
        return LineEndsLf;
    if (cr)
        return LineEndsCr;
    return LineEndsCrLf;
}

size_t ExpandedLength(const char16_t* text, size_t length, LineEnds ends)
{
    if (ends != LineEndsLf && ends != LineEndsCr)
        return length;
    size_t expanded = length;
    for (size_t i = 0; i < length; i++)
        if (IsBareEnd(text, length, i, ends))
            expanded++;
    return expanded;
}

void ExpandLineEnds(const char16_t* text, size_t length, LineEnds ends, char16_t* out)
{
    if (ends != LineEndsLf && ends != LineEndsCr) {
        if (length > 0)
            std::memcpy(out, text, length * sizeof *text);
        return;
    }
    for (size_t i = 0; i < length; i++) {
        if (IsBareEnd(text, length, i, ends)) {
            *out++ = CarriageReturn;
            *out++ = LineFeed;
        } else {
            *out++ = text[i];
        }
    }
}

size_t CollapseLineEnds(char16_t* text, size_t length, LineEnds ends)
{
    if (ends != LineEndsLf && ends != LineEndsCr)
        return length;
    const char16_t end = ends == LineEndsLf ? LineFeed : CarriageReturn;
    size_t kept = 0;
    for (size_t i = 0; i < length; i++) {
        if (text[i] == CarriageReturn && i + 1 < length && text[i + 1] == LineFeed) {
            text[kept++] = end;
            i++;
        } else {
            text[kept++] = text[i];
        }
    }
    return kept;
}
