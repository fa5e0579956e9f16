// The recovery copy's file: written and read back with every encoding and line end, and refused
// whole when it is not a complete copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recovery_copy.h"

namespace {

std::vector<unsigned char> CopyBytes(const std::u16string& path, TextEncoding encoding, LineEnds lineEnds,
                                     const std::u16string& text)
{
    std::u16string units(RecoveryHeaderLength(path.size(), encoding, lineEnds), u'?');
    WriteRecoveryHeader(path.data(), path.size(), encoding, lineEnds, &units[0]);
    units += text;
    std::vector<unsigned char> bytes;
    for (char16_t unit : units) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

std::u16string UnitsAt(const std::vector<unsigned char>& bytes, size_t start, size_t length)
{
    std::u16string units;
    for (size_t i = start; i < start + length; i++)
        units += static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return units;
}

TEST(RecoveryCopy, EveryEncodingAndLineEndComeBackWithThePathAndTheText)
{
    const std::u16string path = u"C:\\Users\\Zoë\\Документы\\letter.txt";
    const std::u16string text = u"Dear Zoë,\r\n\r\nthe text — as it stood.\r\n";
    for (int encoding = EncodingAnsi; encoding <= EncodingUtf16Be; encoding++) {
        for (int ends = LineEndsCrLf; ends <= LineEndsMixed; ends++) {
            std::vector<unsigned char> bytes =
                CopyBytes(path, static_cast<TextEncoding>(encoding), static_cast<LineEnds>(ends), text);
            RecoveryCopyParts parts = {};
            ASSERT_TRUE(ParseRecoveryCopy(bytes.data(), bytes.size(), parts)) << encoding << " " << ends;
            EXPECT_EQ(parts.encoding, encoding);
            EXPECT_EQ(parts.lineEnds, ends);
            EXPECT_EQ(UnitsAt(bytes, parts.pathStart, parts.pathLength), path);
            EXPECT_EQ(UnitsAt(bytes, parts.textStart, parts.textLength), text);
        }
    }
    // A new document: no path, and an empty text.
    std::vector<unsigned char> bytes = CopyBytes(u"", EncodingUtf8, LineEndsCrLf, u"");
    RecoveryCopyParts parts = {};
    ASSERT_TRUE(ParseRecoveryCopy(bytes.data(), bytes.size(), parts));
    EXPECT_EQ(parts.pathLength, 0u);
    EXPECT_EQ(parts.textLength, 0u);
    EXPECT_EQ(parts.textStart * 2, bytes.size());
}

TEST(RecoveryCopy, ACopyCutShortOrDamagedIsRefused)
{
    const std::vector<unsigned char> whole = CopyBytes(u"C:\\a.txt", EncodingUtf16Le, LineEndsLf, u"text");
    RecoveryCopyParts parts = {};
    ASSERT_TRUE(ParseRecoveryCopy(whole.data(), whole.size(), parts));
    const size_t pathStart = parts.pathStart;
    const size_t encodingStart = parts.pathStart + parts.pathLength + 2;
    const size_t textStart = parts.textStart;
    // Cut anywhere in its header, or by one byte anywhere.
    size_t headerBytes = 2 * RecoveryHeaderLength(8, EncodingUtf16Le, LineEndsLf);
    for (size_t size = 0; size < headerBytes; size++)
        EXPECT_FALSE(ParseRecoveryCopy(whole.data(), size, parts)) << size;
    for (size_t size = headerBytes + 1; size < whole.size(); size += 2)
        EXPECT_FALSE(ParseRecoveryCopy(whole.data(), size, parts)) << size;

    auto damaged = [&](size_t unit, char16_t value) {
        std::vector<unsigned char> bytes = whole;
        bytes[2 * unit] = static_cast<unsigned char>(value & 0xFF);
        bytes[2 * unit + 1] = static_cast<unsigned char>(value >> 8);
        return ParseRecoveryCopy(bytes.data(), bytes.size(), parts);
    };
    EXPECT_FALSE(damaged(0, 0xFFFE)) << "a big-endian mark";
    EXPECT_FALSE(damaged(1, u'p')) << "another first line";
    EXPECT_FALSE(damaged(pathStart + 2, 0x09)) << "a control character in the path";
    EXPECT_FALSE(damaged(encodingStart + 4, u'9')) << "an unknown encoding";
    EXPECT_FALSE(damaged(encodingStart + 11, u'X')) << "unknown line ends";
    // Without the empty line the first line of the text would be taken for it.
    std::vector<unsigned char> noEmptyLine(whole.begin(), whole.begin() + static_cast<long>(2 * textStart - 4));
    for (char16_t unit : std::u16string(u"first\r\nrest")) {
        noEmptyLine.push_back(static_cast<unsigned char>(unit));
        noEmptyLine.push_back(0);
    }
    EXPECT_FALSE(ParseRecoveryCopy(noEmptyLine.data(), noEmptyLine.size(), parts));
    EXPECT_FALSE(damaged(whole.size() / 2 - 2, 0)) << "a zero in the text";
    EXPECT_TRUE(damaged(whole.size() / 2 - 2, u'X'));

    std::vector<unsigned char> longPath = CopyBytes(std::u16string(RecoveryPathLimit + 1, u'a'), EncodingUtf8,
                                                    LineEndsCrLf, u"");
    EXPECT_FALSE(ParseRecoveryCopy(longPath.data(), longPath.size(), parts));
    std::vector<unsigned char> longest = CopyBytes(std::u16string(RecoveryPathLimit, u'a'), EncodingUtf8,
                                                   LineEndsCrLf, u"");
    EXPECT_TRUE(ParseRecoveryCopy(longest.data(), longest.size(), parts));
}

} // namespace
