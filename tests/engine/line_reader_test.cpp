#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_files.h"
#include "list_folder.h"
#include "word_field.h"

namespace {

struct ReadResult {
    int16_t openStatus = 0;
    std::vector<std::string> lines;   // each as stored, trailing padding blanks removed
    std::vector<size_t> outside1252;  // the lines (0-based) that LineOutside1252 marked
    int16_t endStatus = 0;
};

// Reads every line of C:\ZOLT\SPELL\<name> with the given kept width.
ReadResult ReadAll(const std::string& name, int width)
{
    std::string path = "C:\\ZOLT\\SPELL\\" + name;
    char pathField[ListPathWidth];
    CopyToField(pathField, ListPathWidth, path.data(), static_cast<int>(path.size()));
    ReadResult result;
    ListFile file;
    OpenListFile(pathField, file, result.openStatus);
    if (result.openStatus != 0)
        return result;
    char field[80];
    for (;;) {
        int16_t status = 99;
        ReadListLine(file, field, width, status);
        if (status != 0) {
            result.endStatus = status;
            break;
        }
        if (LineOutside1252())
            result.outside1252.push_back(result.lines.size());
        result.lines.push_back(std::string(field, static_cast<size_t>(TrimmedLength(field, width))));
    }
    CloseListFile(file);
    return result;
}

using Lines = std::vector<std::string>;
using LineIndexes = std::vector<size_t>;

TEST(LineReader, LineEndsAndTheLastLine)
{
    ListFolder folder;
    folder.WriteFile("a.txt", "one\ntwo\r\nthree");
    ReadResult r = ReadAll("a.txt", 32);
    EXPECT_EQ(r.lines, (Lines{"one", "two", "three"}));
    EXPECT_EQ(r.endStatus, -1);

    folder.WriteFile("b.txt", "one\n\ntwo\n");      // no empty line after the final line feed
    EXPECT_EQ(ReadAll("b.txt", 32).lines, (Lines{"one", "", "two"}));

    folder.WriteFile("c.txt", "");
    r = ReadAll("c.txt", 32);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(r.endStatus, -1);
}

TEST(LineReader, CarriageReturnsOutsideCrLfStayText)
{
    ListFolder folder;
    folder.WriteFile("cr.txt", "one\rtwo\rthree\r");
    EXPECT_EQ(ReadAll("cr.txt", 32).lines, (Lines{"one\rtwo\rthree\r"}));
    folder.WriteFile("crcrlf.txt", "a\r\r\nb\r");
    EXPECT_EQ(ReadAll("crcrlf.txt", 32).lines, (Lines{"a\r", "b\r"}));
}

TEST(LineReader, CtrlZEndsTheFile)
{
    ListFolder folder;
    folder.WriteFile("z.txt", "one\ntw\x1Ao\nthree\n");
    EXPECT_EQ(ReadAll("z.txt", 32).lines, (Lines{"one", "tw"}));
    folder.WriteFile("z2.txt", "one\r\x1A\ntwo\n");
    EXPECT_EQ(ReadAll("z2.txt", 32).lines, (Lines{"one\r"}));
}

TEST(LineReader, BytesAbove127AreKeptAsTheyAre)
{
    ListFolder folder;
    folder.WriteFile("hi.txt", "caf\xe9\n\xff\xfe\n");
    EXPECT_EQ(ReadAll("hi.txt", 32).lines, (Lines{"caf\xe9", "\xff\xfe"}));
}

// With UTF-8's byte order mark, or as valid UTF-8 with bytes above 127, a file's characters become
// Windows-1252 bytes; a line with a character outside it is marked. Anything else is read byte for byte.
TEST(LineReader, Utf8FilesGiveWindows1252Bytes)
{
    ListFolder folder;
    const std::string utf8Lines = "caf\xc3\xa9\r\nna\xc3\xafve\nisn\xe2\x80\x99t\n\xce\xbb\xcf\x8c\n"
                                  "\xc5\xa0ko\xc5\xa1\n\xe2\x82\xac" "5 \xc3\x97\n";
    const Lines bytes1252 = {"caf\xe9", "na\xefve", "isn't", "\x81\x81", "\x8ako\x9a", "\x80" "5 \xd7"};
    for (const std::string& mark : {std::string("\xef\xbb\xbf"), std::string()}) {
        folder.WriteFile("utf8.txt", mark + utf8Lines);
        ReadResult r = ReadAll("utf8.txt", 32);
        EXPECT_EQ(r.lines, bytes1252) << "with mark: " << !mark.empty();
        EXPECT_EQ(r.outside1252, LineIndexes{3});
    }

    // One byte that is not UTF-8 makes the whole file Windows-1252; so does pure ASCII.
    folder.WriteFile("ansi.txt", "caf\xc3\xa9\nna\xefve\n\xef\xbb\xbf\n");
    ReadResult ansi = ReadAll("ansi.txt", 32);
    EXPECT_EQ(ansi.lines, (Lines{"caf\xc3\xa9", "na\xefve", "\xef\xbb\xbf"}));
    EXPECT_TRUE(ansi.outside1252.empty());

    // Behind the mark, bytes that are not UTF-8 mark their line; the byte that breaks a sequence
    // begins what follows.
    folder.WriteFile("marked.txt", "\xef\xbb\xbfok\n\xe9t\xe9\n\xc3\nfine\xf0\x9f\x98\x80\n");
    ReadResult marked = ReadAll("marked.txt", 32);
    EXPECT_EQ(marked.lines, (Lines{"ok", "\x81t\x81", "\x81", "fine\x81"}));
    EXPECT_EQ(marked.outside1252, (LineIndexes{1, 2, 3}));

    // Only the bytes before a Ctrl-Z count, for the choice as for the lines.
    folder.WriteFile("ctrlz.txt", "caf\xc3\xa9\n\x1a\xff\n");
    EXPECT_EQ(ReadAll("ctrlz.txt", 32).lines, Lines{"caf\xe9"});
    // A character outside Windows-1252 beyond the kept width still marks its line.
    folder.WriteFile("wide.txt", std::string(40, 'a') + "\xce\xbb\nb\xc3\xa9\n");
    ReadResult wide = ReadAll("wide.txt", 32);
    EXPECT_EQ(wide.outside1252, LineIndexes{0});
    EXPECT_EQ(wide.lines[1], "b\xe9");
}

TEST(LineReader, Utf8CharactersAcrossTheBlockBoundary)
{
    ListFolder folder;
    // A three-byte apostrophe at every place around the file's 2048th byte.
    for (int pad = 2043; pad <= 2050; pad++) {
        std::string bytes(static_cast<size_t>(pad), '\n');
        bytes += "isn\xe2\x80\x99t\xc3\xa9\n";
        folder.WriteFile("edge.txt", bytes);
        ReadResult r = ReadAll("edge.txt", 32);
        ASSERT_EQ(r.lines.size(), static_cast<size_t>(pad + 1)) << "pad " << pad;
        EXPECT_EQ(r.lines.back(), "isn't\xe9") << "pad " << pad;
        EXPECT_TRUE(r.outside1252.empty()) << "pad " << pad;
    }
}

TEST(LineReader, LongLinesAreCutAndTheNextLineFollowsTheirLineFeed)
{
    ListFolder folder;
    std::string longLine = "w" + std::string(4999, 'x');
    folder.WriteFile("long.txt", longLine + "\nnext\n" + std::string(40, 'y') + "\r\n" + longLine);
    ReadResult r = ReadAll("long.txt", 32);
    EXPECT_EQ(r.lines, (Lines{longLine.substr(0, 32), "next", std::string(32, 'y'), longLine.substr(0, 32)}));
    r = ReadAll("long.txt", 80);
    EXPECT_EQ(r.lines[0], longLine.substr(0, 80));
    EXPECT_EQ(r.lines[2], std::string(40, 'y'));
}

TEST(LineReader, CrLfAcrossTheBlockBoundaryIsOneLineEnd)
{
    ListFolder folder;
    // Place the CR as the 2048th byte of the file and its LF as the 2049th, then at every offset nearby.
    for (int pad = 2040; pad <= 2050; pad++) {
        std::string bytes(static_cast<size_t>(pad - 1), '\n');   // pad-1 empty lines
        bytes += "\r\nafter\r\n";
        folder.WriteFile("edge.txt", bytes);
        ReadResult r = ReadAll("edge.txt", 32);
        ASSERT_EQ(r.lines.size(), static_cast<size_t>(pad + 1)) << "pad " << pad;
        EXPECT_EQ(r.lines[static_cast<size_t>(pad - 1)], "") << "pad " << pad;
        EXPECT_EQ(r.lines.back(), "after") << "pad " << pad;
    }
    // The same with a word line running over the boundary.
    std::string bytes = std::string(2046, 'a') + "\r\nb\r\n";
    folder.WriteFile("edge2.txt", bytes);
    EXPECT_EQ(ReadAll("edge2.txt", 32).lines, (Lines{std::string(32, 'a'), "b"}));
}

TEST(LineReader, MissingFileGivesTheSystemErrorNumber)
{
    ListFolder folder;
    EXPECT_EQ(ReadAll("absent.txt", 32).openStatus, 2);
}

} // namespace
