#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "text_encoding.h"

namespace {

const char16_t Unwritten = 0xABCD;
const unsigned char UnwrittenByte = 0xA5;

const unsigned char* Data(const std::string& bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

struct Decoded {
    std::u16string text;
    bool exact;
};

// Decodes into a buffer of exactly DecodedLength units and one more that must stay unwritten.
Decoded Decode(const std::string& bytes, TextEncoding encoding)
{
    size_t length = DecodedLength(Data(bytes), bytes.size(), encoding);
    std::u16string out(length + 1, Unwritten);
    bool exact = DecodeText(Data(bytes), bytes.size(), encoding, &out[0]);
    EXPECT_EQ(out[length], Unwritten) << "written past the decoded length";
    out.pop_back();
    return Decoded{out, exact};
}

// Encodes into a buffer of exactly EncodedSize bytes and one more that must stay unwritten.
std::string Encode(const std::u16string& text, TextEncoding encoding)
{
    size_t size = EncodedSize(text.data(), text.size(), encoding);
    std::string out(size + 1, static_cast<char>(UnwrittenByte));
    EncodeText(text.data(), text.size(), encoding, reinterpret_cast<unsigned char*>(&out[0]));
    EXPECT_EQ(static_cast<unsigned char>(out[size]), UnwrittenByte) << "written past the encoded size";
    out.pop_back();
    return out;
}

std::u16string Expand(const std::u16string& text, LineEnds ends)
{
    size_t length = ExpandedLength(text.data(), text.size(), ends);
    std::u16string out(length + 1, Unwritten);
    ExpandLineEnds(text.data(), text.size(), ends, &out[0]);
    EXPECT_EQ(out[length], Unwritten) << "written past the expanded length";
    out.pop_back();
    return out;
}

std::u16string Collapse(std::u16string text, LineEnds ends)
{
    text.resize(CollapseLineEnds(&text[0], text.size(), ends));
    return text;
}

struct Detection {
    const char* what;
    std::string bytes;
    TextEncoding expected;
};

// A file as the editor opens and saves it: bytes, the encoding they are detected as, and the text.
struct OpenedFile {
    const char* what;
    std::string bytes;
    TextEncoding encoding;
    std::u16string text;
};

struct LineEndCase {
    const char16_t* text;
    LineEnds expected;
};

} // namespace

TEST(TextEncodingTest, DetectsBomsAndOnlyStrictUtf8)
{
    using std::string;
    const Detection cases[] = {
        {"empty", "", EncodingUtf8},
        {"ASCII", "Plain text.\r\n", EncodingUtf8},
        {"NUL byte", string("a\0b", 3), EncodingUtf8},
        {"UTF-8 BOM alone", "\xEF\xBB\xBF", EncodingUtf8Bom},
        {"UTF-8 BOM and text", "\xEF\xBB\xBF" "Caf\xC3\xA9", EncodingUtf8Bom},
        {"UTF-8 BOM and Windows-1252", "\xEF\xBB\xBF" "Caf\xE9", EncodingAnsi},
        {"part of a UTF-8 BOM", "\xEF\xBB", EncodingAnsi},
        {"UTF-16 LE BOM alone", "\xFF\xFE", EncodingUtf16Le},
        {"UTF-16 LE", string("\xFF\xFEh\0i\0", 6), EncodingUtf16Le},
        {"UTF-16 LE, odd", string("\xFF\xFEh\0i", 5), EncodingAnsi},
        {"UTF-16 BE", string("\xFE\xFF\0h\0i", 6), EncodingUtf16Be},
        {"UTF-16 BE, odd", string("\xFE\xFF\0h\0", 5), EncodingAnsi},
        {"UTF-16 BE BOM alone", "\xFE\xFF", EncodingUtf16Be},
        {"Windows-1252", "Caf\xE9 \x93quoted\x94", EncodingAnsi},
        {"U+0080", "\xC2\x80", EncodingUtf8},
        {"U+07FF", "\xDF\xBF", EncodingUtf8},
        {"U+0800", "\xE0\xA0\x80", EncodingUtf8},
        {"U+D7FF", "\xED\x9F\xBF", EncodingUtf8},
        {"U+E000", "\xEE\x80\x80", EncodingUtf8},
        {"U+FFFF", "\xEF\xBF\xBF", EncodingUtf8},
        {"U+10000", "\xF0\x90\x80\x80", EncodingUtf8},
        {"U+10FFFF", "\xF4\x8F\xBF\xBF", EncodingUtf8},
        {"overlong NUL", string("\xC0\x80", 2), EncodingAnsi},
        {"overlong U+007F", "\xC1\xBF", EncodingAnsi},
        {"overlong U+07FF", "\xE0\x9F\xBF", EncodingAnsi},
        {"overlong U+FFFF", "\xF0\x8F\xBF\xBF", EncodingAnsi},
        {"high surrogate", "\xED\xA0\x80", EncodingAnsi},
        {"low surrogate", "\xED\xBF\xBF", EncodingAnsi},
        {"surrogate pair in six bytes", "\xED\xA0\xBD\xED\xB8\x80", EncodingAnsi},
        {"U+110000", "\xF4\x90\x80\x80", EncodingAnsi},
        {"F5 lead", "\xF5\x80\x80\x80", EncodingAnsi},
        {"FF", "a\xFF", EncodingAnsi},
        {"lone continuation", "a\x80", EncodingAnsi},
        {"two bytes cut at the end", "ab\xC3", EncodingAnsi},
        {"three bytes cut at the end", "ab\xE2\x82", EncodingAnsi},
        {"four bytes cut at the end", "ab\xF0\x9F\x98", EncodingAnsi},
        {"three bytes cut before ASCII", "\xE2\x82 and more text", EncodingAnsi},
        {"four bytes cut before ASCII", "\xF0\x9F\x98x", EncodingAnsi},
        {"a continuation too many", "\xC3\xA9\xA9", EncodingAnsi},
    };
    for (const Detection& c : cases)
        EXPECT_EQ(DetectEncoding(Data(c.bytes), c.bytes.size()), c.expected) << c.what;

    // Plain ASCII is passed over in blocks: one non-ASCII character anywhere in a run is still seen.
    for (size_t at = 0; at < 34; at++) {
        string ascii(40, 'x');
        string ansi = ascii.substr(0, at) + "\xE9" + ascii.substr(at);
        string utf8 = ascii.substr(0, at) + "\xC3\xA9" + ascii.substr(at);
        string cut = ascii.substr(0, at) + "\xC3";
        string stray = ascii.substr(0, at) + "\x80" + ascii.substr(at);
        EXPECT_EQ(DetectEncoding(Data(ansi), ansi.size()), EncodingAnsi) << "1252 byte at " << at;
        EXPECT_EQ(DetectEncoding(Data(utf8), utf8.size()), EncodingUtf8) << "UTF-8 at " << at;
        EXPECT_EQ(DetectEncoding(Data(cut), cut.size()), EncodingAnsi) << "cut UTF-8 at " << at;
        EXPECT_EQ(DetectEncoding(Data(stray), stray.size()), EncodingAnsi) << "continuation byte at " << at;
    }
    // Only the bytes given are read: a sequence cut by the end of the file is not one, whatever follows.
    for (string whole : {"x\xC3\xA9", "x\xE2\x82\xAC", "x\xF0\x9F\x98\x80"}) {
        for (size_t size = 2; size < whole.size(); size++)
            EXPECT_EQ(DetectEncoding(Data(whole), size), EncodingAnsi) << whole.size() - size << " bytes cut off";
        EXPECT_EQ(DetectEncoding(Data(whole), whole.size()), EncodingUtf8);
    }
}

TEST(TextEncodingTest, DecodesAndEncodesBackTheSameBytes)
{
    using std::string;
    std::vector<OpenedFile> files = {
        {"empty", "", EncodingUtf8, u""},
        {"ASCII", "It's a cliche.\r\n", EncodingUtf8, u"It's a cliche.\r\n"},
        {"NUL byte", string("a\0b", 3), EncodingUtf8, std::u16string(u"a\0b", 3)},
        {"accents, quotes, dash",
         "\xE2\x80\x9C" "Caf\xC3\xA9 au lait,\xE2\x80\x9D she said. It\xE2\x80\x99s a clich\xC3\xA9 \xE2\x80\x94 no?",
         EncodingUtf8, u"\u201CCaf\u00E9 au lait,\u201D she said. It\u2019s a clich\u00E9 \u2014 no?"},
        {"Greek and CJK", "\xCE\xB1\xCE\xB2 \xE6\xBC\xA2\xE5\xAD\x97", EncodingUtf8, u"\u03B1\u03B2 \u6F22\u5B57"},
        {"beyond U+FFFF", "G clef \xF0\x9D\x84\x9E, last \xF4\x8F\xBF\xBF", EncodingUtf8,
         u"G clef \U0001D11E, last \U0010FFFF"},
        {"UTF-8 BOM alone", "\xEF\xBB\xBF", EncodingUtf8Bom, u""},
        {"UTF-8 BOM, then a second", "\xEF\xBB\xBF\xEF\xBB\xBFx\n", EncodingUtf8Bom, u"\uFEFFx\n"},
        {"UTF-16 LE BOM alone", "\xFF\xFE", EncodingUtf16Le, u""},
        {"UTF-16 LE", string("\xFF\xFE" "A\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0", 14), EncodingUtf16Le,
         u"A\u00E9\U0001F600\r\n"},
        {"UTF-16 LE, unpaired surrogates", string("\xFF\xFE\x00\xDC\x00\xD8", 6), EncodingUtf16Le,
         u"\xDC00\xD800"},
        {"UTF-16 LE, NULs", string("\xFF\xFE\0\0\0\0", 6), EncodingUtf16Le, std::u16string(2, u'\0')},
        {"UTF-16 BE", string("\xFE\xFF\0A\0\xE9\xD8\x3D\xDE\x00", 10), EncodingUtf16Be, u"A\u00E9\U0001F600"},
        {"UTF-16 BE, unpaired surrogate", string("\xFE\xFF\xD8\x00\0x", 6), EncodingUtf16Be, u"\xD800x"},
    };
    // Characters of two, three and four bytes at every place of a block of plain ASCII, after it and as its end.
    for (size_t at = 0; at < 18; at++) {
        string ascii(at, 'a');
        std::u16string text(at, u'a');
        files.push_back({"ASCII run, then wider", ascii + "\xC3\xA9" + ascii + "\xE2\x82\xAC" + ascii + "\xF0\x9F\x98\x80" + ascii,
                         EncodingUtf8, text + u"\u00E9" + text + u"\u20AC" + text + u"\U0001F600" + text});
    }
    for (const OpenedFile& file : files) {
        SCOPED_TRACE(file.what);
        ASSERT_EQ(DetectEncoding(Data(file.bytes), file.bytes.size()), file.encoding);
        Decoded decoded = Decode(file.bytes, file.encoding);
        EXPECT_TRUE(decoded.exact);
        EXPECT_EQ(decoded.text, file.text);
        EXPECT_EQ(Encode(decoded.text, file.encoding), file.bytes);
    }
}

// A decoding that would not give the same bytes back says so and stays inside its length; an encoding
// loses nothing, even of a text that no valid UTF-8 holds.
TEST(TextEncodingTest, ReportsInexactDecodingAndKeepsUnpairedSurrogates)
{
    using std::string;
    Decoded windows1252 = Decode("a\xE9z", EncodingUtf8);
    EXPECT_FALSE(windows1252.exact);
    EXPECT_EQ(windows1252.text, u"a\uFFFDz");
    for (size_t at = 0; at < 18; at++) {
        Decoded stray = Decode(string(at, 'x') + "\x80" + string(20, 'x'), EncodingUtf8);
        EXPECT_FALSE(stray.exact) << "in a block of plain ASCII at " << at;
        EXPECT_EQ(stray.text, std::u16string(at, u'x') + u"\uFFFD" + std::u16string(20, u'x'));
    }
    Decoded overlong = Decode(string("\xC0\x80", 2), EncodingUtf8);
    EXPECT_FALSE(overlong.exact);
    EXPECT_EQ(overlong.text, u"\uFFFD\uFFFD");
    Decoded cut = Decode("\xEF\xBB\xBF" "ab\xF0\x9F\x98", EncodingUtf8Bom);
    EXPECT_FALSE(cut.exact);
    EXPECT_EQ(cut.text, u"ab\uFFFD\uFFFD\uFFFD");
    Decoded odd = Decode(string("\xFF\xFEh\0i", 5), EncodingUtf16Le);
    EXPECT_FALSE(odd.exact);
    EXPECT_EQ(odd.text, u"h");
    EXPECT_FALSE(Decode("abc", EncodingUtf8Bom).exact) << "no BOM";
    EXPECT_FALSE(Decode(string("h\0i\0", 4), EncodingUtf16Le).exact) << "no BOM";
    EXPECT_FALSE(Decode(string("\xFF", 1), EncodingUtf16Be).exact) << "part of a BOM";
    EXPECT_EQ(DecodedLength(Data("Caf\xE9"), 4, EncodingAnsi), 0u);
    EXPECT_FALSE(Decode("Caf\xE9", EncodingAnsi).exact) << "the caller's to convert";

    // Unpaired surrogates (a pair in the wrong order is two of them) in three bytes each.
    const std::u16string unpaired = u"a\xDC00\xD800z\xD83D";
    string utf8 = Encode(unpaired, EncodingUtf8);
    EXPECT_EQ(utf8, "a\xED\xB0\x80\xED\xA0\x80z\xED\xA0\xBD");
    EXPECT_EQ(DetectEncoding(Data(utf8), utf8.size()), EncodingAnsi);
    EXPECT_EQ(Encode(unpaired, EncodingUtf8Bom), "\xEF\xBB\xBF" + utf8);
    EXPECT_EQ(Encode(u"\U0001F600", EncodingUtf8), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Encode(u"\u00E9\u20AC", EncodingUtf16Be), string("\xFE\xFF\x00\xE9\x20\xAC", 6));
    EXPECT_EQ(EncodedSize(unpaired.data(), unpaired.size(), EncodingAnsi), 0u);
    // A size past the largest is given as the largest, which no allocation grants (the text is not read).
    EXPECT_EQ(EncodedSize(unpaired.data(), SIZE_MAX / 2, EncodingUtf16Le), SIZE_MAX);
}

TEST(TextEncodingTest, TellsTheKindOfLineEnds)
{
    const LineEndCase cases[] = {
        {u"", LineEndsCrLf},
        {u"no line end", LineEndsCrLf},
        {u"one\r\ntwo\r\n", LineEndsCrLf},
        {u"\r\n\r\n", LineEndsCrLf},
        {u"one\ntwo\n\n", LineEndsLf},
        {u"\n", LineEndsLf},
        {u"one\rtwo\r\r", LineEndsCr},
        {u"\r", LineEndsCr},
        {u"one\r\ntwo\n", LineEndsMixed},
        {u"one\r\ntwo\r", LineEndsMixed},
        {u"one\ntwo\rthree\n", LineEndsMixed},
        {u"\n\r", LineEndsMixed},
        {u"\r\r\n", LineEndsMixed},
        {u"\r\r\n\n", LineEndsMixed},
    };
    for (const LineEndCase& c : cases) {
        std::u16string text = c.text;
        EXPECT_EQ(DetectLineEnds(text.data(), text.size()), c.expected) << "case " << &c - cases;
    }
    // Only the units given are read: a CR at the end is a bare CR whatever follows it in memory.
    const std::u16string crLf = u"one\r\n";
    EXPECT_EQ(DetectLineEnds(crLf.data(), crLf.size() - 1), LineEndsCr);
}

TEST(TextEncodingTest, ExpandsLfAndCrLinesAndCollapsesThemBack)
{
    struct ExpandCase {
        std::u16string text;
        LineEnds ends;
        std::u16string expanded;
    };
    const ExpandCase cases[] = {
        {u"one\ntwo\n", LineEndsLf, u"one\r\ntwo\r\n"},
        {u"\n\nthree\n\n\n", LineEndsLf, u"\r\n\r\nthree\r\n\r\n\r\n"},
        {u"one\rtwo\r", LineEndsCr, u"one\r\ntwo\r\n"},
        {u"\r\rthree\r\r\r", LineEndsCr, u"\r\n\r\nthree\r\n\r\n\r\n"},
        // Other kinds are shown and kept as they are.
        {u"one\r\ntwo\r\n", LineEndsCrLf, u"one\r\ntwo\r\n"},
        {u"one\r\ntwo\nthree\r\r\n", LineEndsMixed, u"one\r\ntwo\nthree\r\r\n"},
    };
    std::vector<ExpandCase> all(std::begin(cases), std::end(cases));
    // Text without line ends is passed over in blocks: ends at every place of a block are still seen.
    for (size_t at = 0; at < 18; at++) {
        std::u16string a(at, u'a'), b(17 - at, u'b');
        all.push_back({a + u"\n" + b + u"\n\n" + a, LineEndsLf, a + u"\r\n" + b + u"\r\n\r\n" + a});
        all.push_back({a + u"\r" + b + u"\r\r" + a, LineEndsCr, a + u"\r\n" + b + u"\r\n\r\n" + a});
        all.push_back({a + u"\r\n" + b + u"\n" + a, LineEndsMixed, a + u"\r\n" + b + u"\n" + a});
        all.push_back({a + u"\n" + b + u"\r" + a, LineEndsMixed, a + u"\n" + b + u"\r" + a});
    }
    for (const ExpandCase& c : all) {
        SCOPED_TRACE("case " + std::to_string(&c - all.data()));
        ASSERT_EQ(DetectLineEnds(c.text.data(), c.text.size()), c.ends);
        std::u16string expanded = Expand(c.text, c.ends);
        EXPECT_EQ(expanded, c.expanded);
        EXPECT_EQ(Collapse(expanded, c.ends), c.text);
    }
    // Enter in the edit control adds CR LF, which is saved as the file's own end; an end of another kind
    // that came in with pasted text is saved as it is.
    EXPECT_EQ(Collapse(u"one\r\ntwo\nthree\r\n\r", LineEndsCr), u"one\rtwo\nthree\r\r");
    EXPECT_EQ(Collapse(u"one\r\ntwo\rthree\r\n\n", LineEndsLf), u"one\ntwo\rthree\n\n");
    const std::u16string crLf = u"one\r\n";
    std::u16string expanded(ExpandedLength(crLf.data(), crLf.size() - 1, LineEndsCr), u'#');
    ExpandLineEnds(crLf.data(), crLf.size() - 1, LineEndsCr, &expanded[0]);
    EXPECT_EQ(expanded, u"one\r\n") << "only the units given are read";
}
