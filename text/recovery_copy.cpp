#include "recovery_copy.h"

#include <cstring>

namespace {

const char16_t ByteOrderMark = 0xFEFF;

// The names of the encodings and line ends in a copy, in the order of their enumerations.
const char16_t* const EncodingNames[] = {u"ANSI", u"UTF-8", u"UTF-8 BOM", u"UTF-16 LE", u"UTF-16 BE"};
const char16_t* const LineEndsNames[] = {u"CRLF", u"LF", u"CR", u"Mixed"};
const int EncodingCount = sizeof(EncodingNames) / sizeof(EncodingNames[0]);
const int LineEndsCount = sizeof(LineEndsNames) / sizeof(LineEndsNames[0]);

size_t LengthOf(const char16_t* text)
{
    size_t length = 0;
    while (text[length] != 0)
        length++;
    return length;
}

char16_t* Put(char16_t* out, const char16_t* text, size_t length)
{
    for (size_t i = 0; i < length; i++)
        *out++ = text[i];
    return out;
}

char16_t* PutLine(char16_t* out, const char16_t* text, size_t length)
{
    out = Put(out, text, length);
    *out++ = u'\r';
    *out++ = u'\n';
    return out;
}

// The copy's units, read from its little-endian bytes.
class Units {
public:
    Units(const unsigned char* bytes, size_t count) : bytes_(bytes), count_(count) {}
    size_t Count() const { return count_; }
    char16_t At(size_t index) const
    {
        return static_cast<char16_t>(bytes_[2 * index] | (bytes_[2 * index + 1] << 8));
    }
    // The line from start up to its CR LF: its length, and where the next line starts; false when
    // no CR LF follows or the line holds a control character.
    bool Line(size_t start, size_t& length, size_t& next) const
    {
        size_t end = start;
        while (end < count_ && At(end) >= 0x20)
            end++;
        if (end + 1 >= count_ || At(end) != u'\r' || At(end + 1) != u'\n')
            return false;
        length = end - start;
        next = end + 2;
        return true;
    }
    bool Equals(size_t start, size_t length, const char16_t* text) const
    {
        if (LengthOf(text) != length)
            return false;
        for (size_t i = 0; i < length; i++)
            if (At(start + i) != text[i])
                return false;
        return true;
    }

private:
    const unsigned char* bytes_;
    size_t count_;
};

// The index of the line's text among the names, or -1.
int NameIndex(const Units& units, size_t start, size_t length, const char16_t* const* names, int count)
{
    for (int i = 0; i < count; i++)
        if (units.Equals(start, length, names[i]))
            return i;
    return -1;
}

} // namespace

size_t RecoveryHeaderLength(size_t pathLength, TextEncoding encoding, LineEnds lineEnds)
{
    // Four lines and an empty one, each ended by CR LF, after the byte order mark.
    return 1 + LengthOf(RecoveryCopyMark) + pathLength + LengthOf(EncodingNames[encoding]) +
           LengthOf(LineEndsNames[lineEnds]) + 5 * 2;
}

void WriteRecoveryHeader(const char16_t* path, size_t pathLength, TextEncoding encoding, LineEnds lineEnds,
                         char16_t* out)
{
    *out++ = ByteOrderMark;
    out = PutLine(out, RecoveryCopyMark, LengthOf(RecoveryCopyMark));
    out = PutLine(out, path, pathLength);
    const char16_t* encodingName = EncodingNames[encoding];
    out = PutLine(out, encodingName, LengthOf(encodingName));
    const char16_t* lineEndsName = LineEndsNames[lineEnds];
    out = PutLine(out, lineEndsName, LengthOf(lineEndsName));
    PutLine(out, u"", 0);
}

bool ParseRecoveryCopy(const unsigned char* bytes, size_t size, RecoveryCopyParts& parts)
{
    if (size % 2 != 0)
        return false;
    Units units(bytes, size / 2);
    if (units.Count() == 0 || units.At(0) != ByteOrderMark)
        return false;
    size_t length = 0, next = 0;
    if (!units.Line(1, length, next) || !units.Equals(1, length, RecoveryCopyMark))
        return false;
    parts.pathStart = next;
    if (!units.Line(parts.pathStart, parts.pathLength, next) || parts.pathLength > RecoveryPathLimit)
        return false;
    size_t start = next;
    int encoding = units.Line(start, length, next) ? NameIndex(units, start, length, EncodingNames, EncodingCount) : -1;
    start = next;
    int lineEnds = encoding >= 0 && units.Line(start, length, next)
                       ? NameIndex(units, start, length, LineEndsNames, LineEndsCount)
                       : -1;
    if (lineEnds < 0 || !units.Line(next, length, parts.textStart) || length != 0)
        return false;
    parts.encoding = static_cast<TextEncoding>(encoding);
    parts.lineEnds = static_cast<LineEnds>(lineEnds);
    parts.textLength = units.Count() - parts.textStart;
    for (size_t i = parts.textStart; i < units.Count(); i++)
        if (units.At(i) == 0)
            return false;
    return true;
}
