#include "text_encoding.h"

#include <cstring>

#if !defined(PENMAR_PORTABLE_LANES) && \
    (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2))
#define TEXT_ENCODING_SSE2 1
#include <emmintrin.h>
#endif

namespace {

const unsigned char Utf8Bom[] = {0xEF, 0xBB, 0xBF};
const unsigned char Utf16LeBom[] = {0xFF, 0xFE};
const unsigned char Utf16BeBom[] = {0xFE, 0xFF};

const char16_t ReplacementCharacter = 0xFFFD;
const char16_t CarriageReturn = u'\r';
const char16_t LineFeed = u'\n';

// Plain ASCII and text without line breaks are passed over a block at a time: sixteen bytes, or eight
// code units, with the processor's SSE2 instructions where the build has them (every Windows from 8 on
// requires them), else with a portable loop. A build defining PENMAR_PORTABLE_LANES takes the portable
// path, so that its tests check that path too.
const size_t BlockBytes = 16;
const size_t BlockUnits = 8;

#ifdef TEXT_ENCODING_SSE2

// Index of the lowest set bit of a word that has one.
size_t LowestBitIndex(uint32_t bits)
{
    static const unsigned char Positions[32] = {0,  1,  28, 2,  29, 14, 24, 3, 30, 22, 20, 15, 25, 17, 4,  8,
                                                31, 27, 13, 23, 21, 19, 16, 7, 26, 12, 18, 6,  11, 5,  10, 9};
    return Positions[((bits & (~bits + 1)) * 0x077CB531u) >> 27];
}

__m128i LoadBlock(const void* p)
{
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}

bool IsAsciiBlock(const unsigned char* bytes)
{
    return _mm_movemask_epi8(LoadBlock(bytes)) == 0;
}

// How many of the block's bytes are ASCII before the first that is not (BlockBytes when all are).
size_t AsciiPrefix(const unsigned char* bytes)
{
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(LoadBlock(bytes)));
    return LowestBitIndex(mask | 1u << BlockBytes);
}

void WidenBlock(const unsigned char* bytes, char16_t* out)
{
    __m128i block = LoadBlock(bytes);
    __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + BlockUnits), _mm_unpackhi_epi8(block, zero));
}

bool IsAsciiUnitBlock(const char16_t* units)
{
    __m128i high = _mm_and_si128(LoadBlock(units), _mm_set1_epi16(static_cast<short>(0xFF80)));
    return _mm_movemask_epi8(_mm_cmpeq_epi16(high, _mm_setzero_si128())) == 0xFFFF;
}

// The eight units, all below 0x80, as eight bytes.
void NarrowUnitBlock(const char16_t* units, unsigned char* out)
{
    __m128i block = LoadBlock(units);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(block, block));
}

bool HasLineBreak(const char16_t* units)
{
    __m128i block = LoadBlock(units);
    __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(block, _mm_set1_epi16(CarriageReturn)),
                                  _mm_cmpeq_epi16(block, _mm_set1_epi16(LineFeed)));
    return _mm_movemask_epi8(breaks) != 0;
}

#else

size_t AsciiPrefix(const unsigned char* bytes)
{
    size_t k = 0;
    while (k < BlockBytes && bytes[k] < 0x80)
        k++;
    return k;
}

bool IsAsciiBlock(const unsigned char* bytes)
{
    unsigned char any = 0;
    for (size_t k = 0; k < BlockBytes; k++)
        any |= bytes[k];
    return any < 0x80;
}

void WidenBlock(const unsigned char* bytes, char16_t* out)
{
    for (size_t k = 0; k < BlockBytes; k++)
        out[k] = bytes[k];
}

bool IsAsciiUnitBlock(const char16_t* units)
{
    char16_t any = 0;
    for (size_t k = 0; k < BlockUnits; k++)
        any |= units[k];
    return any < 0x80;
}

void NarrowUnitBlock(const char16_t* units, unsigned char* out)
{
    for (size_t k = 0; k < BlockUnits; k++)
        out[k] = static_cast<unsigned char>(units[k]);
}

bool HasLineBreak(const char16_t* units)
{
    for (size_t k = 0; k < BlockUnits; k++)
        if (units[k] == CarriageReturn || units[k] == LineFeed)
            return true;
    return false;
}

#endif

// Where the next CR or LF at or after `from` lies, or `length`.
size_t NextLineBreak(const char16_t* text, size_t from, size_t length)
{
    size_t i = from;
    while (length - i >= BlockUnits && !HasLineBreak(text + i))
        i += BlockUnits;
    while (i < length && text[i] != CarriageReturn && text[i] != LineFeed)
        i++;
    return i;
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

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at `bytes` (first byte 0x80 or above, `available` bytes there), or 0
// when it is not one. The ranges of the second byte shut out overlong forms (E0, F0), surrogates (ED) and
// code points above U+10FFFF (F4); C0, C1 and F5 to FF never begin a sequence.
size_t SequenceLength(const unsigned char* bytes, size_t available)
{
    unsigned char lead = bytes[0];
    if (lead < 0xC2 || lead > 0xF4)
        return 0;
    if (lead <= 0xDF)
        return available >= 2 && IsContinuation(bytes[1]) ? 2 : 0;
    size_t length = lead <= 0xEF ? 3 : 4;
    unsigned char low = 0x80, high = 0xBF;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
    if (available < length || bytes[1] < low || bytes[1] > high || !IsContinuation(bytes[2]))
        return 0;
    return length == 3 || IsContinuation(bytes[3]) ? length : 0;
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

// The end of the plain ASCII that begins at `from`.
size_t AsciiRunEnd(const unsigned char* bytes, size_t from, size_t size)
{
    size_t i = from;
    while (size - i >= BlockBytes) {
        size_t ascii = AsciiPrefix(bytes + i);
        i += ascii;
        if (ascii < BlockBytes)
            return i;
    }
    while (i < size && bytes[i] < 0x80)
        i++;
    return i;
}

bool IsValidUtf8(const unsigned char* bytes, size_t size)
{
    size_t i = 0;
    while (i < size) {
        if (bytes[i] < 0x80) {
            i = AsciiRunEnd(bytes, i, size);
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
        if (bytes[i] < 0x80) {
            size_t end = AsciiRunEnd(bytes, i, size);
            units += end - i;
            i = end;
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
        if (bytes[i] < 0x80) {
            while (size - i >= BlockBytes && IsAsciiBlock(bytes + i)) {
                WidenBlock(bytes + i, out);
                out += BlockBytes;
                i += BlockBytes;
            }
            // The rest of the run one by one: the whole block would not fit where fewer units follow.
            size_t end = AsciiRunEnd(bytes, i, size);
            while (i < end)
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
        char16_t unit = text[i];
        if (unit < 0x80) {
            i++;
            while (length - i >= BlockUnits && IsAsciiUnitBlock(text + i))
                i += BlockUnits;
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
        uint32_t unit = text[i];
        if (unit < 0x80) {
            *out++ = static_cast<unsigned char>(unit);
            i++;
            while (length - i >= BlockUnits && IsAsciiUnitBlock(text + i)) {
                NarrowUnitBlock(text + i, out);
                out += BlockUnits;
                i += BlockUnits;
            }
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
    // A size past the largest is given as the largest, which no allocation grants.
    size_t bom = BomLength(encoding);
    switch (encoding) {
    case EncodingUtf8:
    case EncodingUtf8Bom: {
        // A text in memory has fewer units than half the addresses, and UTF-8 takes at most three bytes
        // a unit: a sum past the largest size wraps once, to below the length.
        size_t size = length + Utf8ExtraBytes(text, length);
        if (size < length || size > SIZE_MAX - bom)
            return SIZE_MAX;
        return size + bom;
    }
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        if (length > (SIZE_MAX - bom) / 2)
            return SIZE_MAX;
        return 2 * length + bom;
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
    size_t i = NextLineBreak(text, 0, length);
    while (i < length) {
        if (text[i] == LineFeed) {
            lf = true;
            i++;
        } else if (i + 1 < length && text[i + 1] == LineFeed) {
            crLf = true;
            i += 2;
        } else {
            cr = true;
            i++;
        }
        i = NextLineBreak(text, i, length);
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
    for (size_t i = NextLineBreak(text, 0, length); i < length; i = NextLineBreak(text, i + 1, length))
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
    size_t i = 0;
    while (i < length) {
        size_t next = NextLineBreak(text, i, length);
        std::memcpy(out, text + i, (next - i) * sizeof *text);
        out += next - i;
        if (next == length)
            break;
        if (IsBareEnd(text, length, next, ends)) {
            *out++ = CarriageReturn;
            *out++ = LineFeed;
        } else {
            *out++ = text[next];
        }
        i = next + 1;
    }
}

size_t CollapseLineEnds(char16_t* text, size_t length, LineEnds ends)
{
    if (ends != LineEndsLf && ends != LineEndsCr)
        return length;
    const char16_t end = ends == LineEndsLf ? LineFeed : CarriageReturn;
    size_t kept = 0;
    size_t i = 0;
    while (i < length) {
        size_t next = NextLineBreak(text, i, length);
        std::memmove(text + kept, text + i, (next - i) * sizeof *text);
        kept += next - i;
        if (next == length)
            break;
        if (text[next] == CarriageReturn && next + 1 < length && text[next + 1] == LineFeed) {
            text[kept++] = end;
            i = next + 2;
        } else {
            text[kept++] = text[next];
            i = next + 1;
        }
    }
    return kept;
}
