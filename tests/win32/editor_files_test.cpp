// Open and save: bytes kept as they are, titles and status texts, and saves that fail.
#include "editor_harness.h"

#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "file_failures.h"
#include "message_boxes.h"
#include "penmar_version.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "texts.h"

namespace {

class FileTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        StartEditor(nullptr);
    }
    // File > Open through the dialog, answered with the path; returns the new document window.
    HWND Open(const std::string& path)
    {
        seams.openAnswers.push_back(path);
        SendMessageA(frame, WM_COMMAND, IDM_FILE_OPEN, 0);
        return ActiveDocumentWindow();
    }
    void SaveAs(const std::string& path)
    {
        seams.saveAnswers.push_back(path);
        SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVEAS, 0);
    }
};

TEST_F(FileTest, LineEndsAndBytesSurviveOpenAndSave)
{
    // Not UTF-8: the bytes are the ANSI code page's.
    const std::string bytes = "crlf\r\nbare lf\nlone cr\rtab\there \xE9\xFC end";
    std::string source = PathOf("source.txt");
    std::string copy = PathOf("copy.txt");
    WriteBytes(source, bytes);
    HWND document = Open(source);
    EXPECT_EQ(WindowText(EditOf(document)), "crlf\r\nbare lf\nlone cr\rtab\there \xC3\xA9\xC3\xBC end");
    PumpMessages();
    EXPECT_EQ(StatusText(3), "Mixed");
    EXPECT_EQ(StatusText(4), "ANSI");
    EXPECT_EQ(WindowText(document), source);
    EXPECT_EQ(StatusText(0), "Opened...");
    EXPECT_EQ(StatusText(1), source);

    SaveAs(copy);
    EXPECT_EQ(ReadBytes(copy), bytes);
    EXPECT_EQ(WindowText(document), copy);
    EXPECT_EQ(StatusText(0), "Saved...");
    EXPECT_EQ(StatusText(1), copy);
    ASSERT_EQ(seams.saveCalls.size(), 1u);
    EXPECT_EQ(seams.saveCalls[0].initialName, source);
    EXPECT_EQ(seams.saveCalls[0].flags,
              static_cast<DWORD>(OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(seams.saveCalls[0].filter, "Text in UTF-8 (*.*)|*.*|Text in UTF-8 with BOM (*.*)|*.*|"
                                         "Text in UTF-16 LE (*.*)|*.*|Text in UTF-16 BE (*.*)|*.*|"
                                         "Text in ANSI (*.*)|*.*|");
    EXPECT_EQ(seams.saveCalls[0].filterIndex, 5u);   // the file's own encoding
    EXPECT_EQ(seams.saveCalls[0].defaultExtension, "txt");
    EXPECT_TRUE(messages.Shown().empty());

    // With the last document closed the status bar no longer names a file.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(CountDocumentWindows(), 0);
    EXPECT_EQ(StatusText(0), "Version " PENMAR_VERSION_TEXT);
    EXPECT_EQ(StatusText(1), "");
}

TEST_F(FileTest, ZeroBytesOpenAsBlanksAndNothingAfterThemIsLost)
{
    std::string path = PathOf("zero.txt");
    WriteBytes(path, std::string("abc\0def\r\nxyz\0\0", 14));
    HWND document = Open(path);
    EXPECT_EQ(WindowText(EditOf(document)), "abc def\r\nxyz  ");
    EXPECT_EQ(WindowText(document), path);
    EXPECT_FALSE(IsModified(document));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].caption, path);
    EXPECT_NE(messages.Shown()[0].text.find("zero bytes"), std::string::npos) << messages.Shown()[0].text;
    EXPECT_NE(messages.Shown()[0].text.find("blanks"), std::string::npos) << messages.Shown()[0].text;
    EXPECT_EQ(messages.Shown()[0].owner, document);

    SaveAs(path);
    EXPECT_EQ(ReadBytes(path), "abc def\r\nxyz  ");
    EXPECT_EQ(messages.Shown().size(), 1u);
}

TEST_F(FileTest, EmptyFileOpensAndAnEmptyDocumentSavesAsAnEmptyFile)
{
    std::string empty = PathOf("empty.txt");
    WriteBytes(empty, "");
    HWND document = Open(empty);
    EXPECT_EQ(WindowText(document), empty);
    EXPECT_EQ(WindowText(EditOf(document)), "");
    EXPECT_TRUE(messages.Shown().empty());

    // An emptied document over a file with content: the file becomes empty and the save counts.
    std::string full = PathOf("full.txt");
    WriteBytes(full, "content");
    document = Open(full);
    SendMessageA(EditOf(document), EM_SETSEL, 0, -1);
    SendMessageA(EditOf(document), WM_CLEAR, 0, 0);
    ASSERT_TRUE(IsModified(document));
    SaveAs(full);
    EXPECT_EQ(ReadBytes(full), "");
    EXPECT_FALSE(IsModified(document));
    EXPECT_EQ(StatusText(0), "Saved...");
    EXPECT_EQ(WindowText(document), full);
}

TEST_F(FileTest, SavingOverAFileLeavesNoOtherFileBehind)
{
    std::string path = PathOf("notes.txt");
    WriteBytes(path, "a much longer old content than the new one");
    HWND document = Open(path);
    SetWindowTextA(EditOf(document), "short");
    SaveAs(path);
    EXPECT_EQ(ReadBytes(path), "short");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"notes.txt"});
}

void ExpectSaveFailure(const MessageLog& messages, HWND document, const std::string& path, DWORD error)
{
    ExpectFileFailure(messages, document, "Could not save the file", path, error);
}

TEST_F(FileTest, FailedSaveToAReadOnlyFileKeepsTheOldContentAndTheChangesAndSaysWhy)
{
    std::string path = PathOf("locked.txt");
    WriteBytes(path, "old content");
    HWND document = Open(path);
    TypeText(document, "new ");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    SaveAs(path);
    ExpectSaveFailure(messages, document, path, ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(StatusText(0), "Opened...");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"locked.txt"});

    // Closing still asks, because the changes are not saved.
    messages.Clear();
    messages.AnswerNext({IDNO});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Save current changes in " + path + "?");
}

TEST_F(FileTest, FailedSaveIntoAMissingFolderChangesNothingAndSaysWhy)
{
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND document = ActiveDocumentWindow();
    TypeText(document, "text");
    std::string path = PathOf("no such folder\\file.txt");
    SaveAs(path);
    ExpectSaveFailure(messages, document, path, ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(WindowText(document), "[Untitled]");
    EXPECT_EQ(StatusText(0), "Version " PENMAR_VERSION_TEXT);
}

// Another program holds the file open: one that lets nobody else write it, and one that shares reading
// and writing but not the file's replacement (as many editors keep their file open). Either way the save
// says that another program is using the file, and the file keeps its content.
TEST_F(FileTest, FailedSaveToAFileAnotherProgramHoldsOpenSaysSoAndKeepsItsContent)
{
    std::string path = PathOf("busy.txt");
    WriteBytes(path, "in use");
    HWND document = Open(path);
    TypeText(document, "changed ");
    for (DWORD sharing : {static_cast<DWORD>(FILE_SHARE_READ), static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE)}) {
        messages.Clear();
        HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr, OPEN_EXISTING, 0,
                                    nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVE, 0);
        CloseHandle(holder);
        ASSERT_EQ(messages.Shown().size(), 1u) << "sharing " << sharing;
        EXPECT_EQ(messages.Shown()[0].text, "Could not save the file\r\n" + path + "\r\n\r\nAnother program is using the file.")
            << "sharing " << sharing;
        EXPECT_EQ(messages.Shown()[0].owner, document);
        EXPECT_EQ(ReadBytes(path), "in use");
        EXPECT_TRUE(IsModified(document));
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"busy.txt"});
    }
}

// A failure gives the system's reason without its line end, the error's number where the system has no
// text for it, and for a full disk that the new copy did not fit beside the old file, which is unchanged.
TEST_F(FileTest, FailuresGiveTheirReasonWithoutLineEndsOrTheErrorsNumber)
{
    const wchar_t name[] = L"C:\\letters\\june.txt";
    wchar_t raw[256] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_FILE_NOT_FOUND, 0, raw,
                   256, nullptr);
    ASSERT_EQ(Utf8Of(raw), SystemText(ERROR_FILE_NOT_FOUND) + "\r\n") << "the system's text ends in CR LF";
    auto showFailure = [&](const wchar_t* format, DWORD error) {
        ShowFailureWithReason(frame, format, name, error, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONERROR);
    };
    showFailure(WIDE(TEXT_OPEN_FAILED), ERROR_FILE_NOT_FOUND);
    const DWORD withoutText = 0x20001234;   // in the range of the programs' own errors
    showFailure(SaveFailureFormat(withoutText), withoutText);
    showFailure(SaveFailureFormat(ERROR_DISK_FULL), ERROR_DISK_FULL);

    const std::string opening = "Could not open the file\r\nC:\\letters\\june.txt\r\n\r\n";
    const std::string saving = "Could not save the file\r\nC:\\letters\\june.txt\r\n\r\n";
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    opening + SystemText(ERROR_FILE_NOT_FOUND), saving + "System error 536875572.",
                                    saving + "There is not enough room on the disk to write the new copy next to "
                                             "the old one. The old file is unchanged."}));
}

// A message that names a file is cut at 335 characters rather than run past its room, and a missing
// name reads "(untitled)".
TEST_F(FileTest, NamedMessagesAreCutAtTheirLongestAndAnEmptyNameReadsUntitled)
{
    const std::wstring longName(400, L'n');
    for (const wchar_t* name : {longName.c_str(), L""})
        ShowNamedMessage(frame, WIDE(TEXT_UNABLE_TO_PRINT), name, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONEXCLAMATION);

    const std::string opening = "Unable to print file ";
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{opening + std::string(335 - opening.size(), 'n'),
                                                          opening + "(untitled)"}));
}

// Ctrl+S (or Ctrl+Shift+S) through the accelerator table, as the message loop turns the key into a command.
void PressSave(HWND frame, HACCEL accelerators, HWND document, int secondModifier = 0)
{
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, EditOf(document), 'S', VK_CONTROL, secondModifier));
}

TEST_F(FileTest, SaveWritesTheDocumentsOwnFileAtOnceAndNothingElse)
{
    std::string first = PathOf("first.txt");
    std::string second = PathOf("second.txt");
    WriteBytes(first, "first old");
    WriteBytes(second, "second old");
    HWND firstDocument = Open(first);
    TypeText(firstDocument, "edited ");
    HWND secondDocument = Open(second);
    TypeText(secondDocument, "also edited ");
    ActivateDocument(firstDocument);

    PressSave(frame, accelerators, firstDocument);
    EXPECT_TRUE(seams.saveCalls.empty()) << "a document with a file is saved without the dialog";
    EXPECT_EQ(ReadBytes(first), "edited first old");
    EXPECT_EQ(ReadBytes(second), "second old");
    std::vector<std::string> entries = FolderEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"first.txt", "second.txt"}));
    EXPECT_FALSE(IsModified(firstDocument));
    EXPECT_TRUE(IsModified(secondDocument));
    EXPECT_EQ(WindowText(firstDocument), first);
    EXPECT_EQ(StatusText(0), "Saved...");
    EXPECT_EQ(StatusText(1), first);
    EXPECT_TRUE(messages.Shown().empty());

    // The toolbar's save button is the same command.
    ActivateDocument(secondDocument);
    ClickToolbarButton(frame, IDM_FILE_SAVE);
    EXPECT_EQ(ReadBytes(second), "also edited second old");
    EXPECT_FALSE(IsModified(secondDocument));
    EXPECT_TRUE(seams.saveCalls.empty());

    // Ctrl+Shift+S is Save As, which offers the file's name.
    PressSave(frame, accelerators, secondDocument, VK_SHIFT);
    ASSERT_EQ(seams.saveCalls.size(), 1u);
    EXPECT_EQ(seams.saveCalls[0].initialName, second);
}

TEST_F(FileTest, SaveOfAnUntitledDocumentAsksForANameAndAFailedSaveNamesTheFile)
{
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND document = ActiveDocumentWindow();
    TypeText(document, "new letter");
    std::string path = PathOf("letter.txt");
    seams.saveAnswers.push_back(path);
    PressSave(frame, accelerators, document);
    ASSERT_EQ(seams.saveCalls.size(), 1u);
    EXPECT_EQ(seams.saveCalls[0].initialName, " ");
    EXPECT_EQ(ReadBytes(path), "new letter");
    EXPECT_EQ(WindowText(document), path);

    // The file became read-only: Save says which file and why, and keeps the changes.
    TypeText(document, " more");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    PressSave(frame, accelerators, document);
    EXPECT_EQ(seams.saveCalls.size(), 1u);
    ExpectSaveFailure(messages, document, path, ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadBytes(path), "new letter");
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"letter.txt"});
}

TEST_F(FileTest, AFileAnotherProgramIsWritingOpens)
{
    std::string path = PathOf("log.txt");
    WriteBytes(path, "first entry\r\n");
    // A program writing a log lets others read and write it.
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    HWND document = Open(path);
    CloseHandle(writer);
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(WindowText(document), path);
    EXPECT_EQ(WindowText(EditOf(document)), "first entry\r\n");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FileTest, FailedOpenNamesTheFileAndTheReasonAndLeavesNoEmptyDocument)
{
    std::string kept = PathOf("kept.txt");
    WriteBytes(kept, "kept");
    HWND keptDocument = Open(kept);
    std::string path = PathOf("exclusive.txt");
    WriteBytes(path, "held");
    // Another program holds the file and lets nobody else open it.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Open(path);
    CloseHandle(holder);
    ExpectFileFailure(messages, frame, "Could not open the file", path, ERROR_SHARING_VIOLATION);
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(ActiveDocumentWindow(), keptDocument);
    EXPECT_EQ(StatusText(1), kept);
}

// What the shell hands a window when files are dropped on it.
HDROP DroppedFiles(const std::vector<std::string>& paths)
{
    std::string names;
    for (const std::string& path : paths)
        names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    CopyMemory(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(FileTest, FilesDroppedOnTheFrameOpenOneDocumentEach)
{
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    std::string first = PathOf("first.txt");
    std::string second = PathOf("second name.txt");
    std::string missing = PathOf("missing.txt");
    WriteBytes(first, "first");
    WriteBytes(second, "second");
    SendMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(DroppedFiles({first, missing, second})), 0);
    ExpectFileFailure(messages, frame, "Could not open the file", missing, ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(CountDocumentWindows(), 2);
    HWND active = ActiveDocumentWindow();
    EXPECT_EQ(WindowText(active), second);
    EXPECT_EQ(DocumentText(active), "second");
    HWND other = GetWindow(active, GW_HWNDNEXT);
    EXPECT_EQ(WindowText(other), first);
    EXPECT_EQ(DocumentText(other), "first");
}

TEST_F(FileTest, CancelledOpenLeavesAnEmptyUntitledDocument)
{
    SendMessageA(frame, WM_COMMAND, IDM_FILE_OPEN, 0);
    EXPECT_EQ(seams.openCalls.size(), 1u);
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(WindowText(ActiveDocumentWindow()), "[Untitled]");
    EXPECT_EQ(StatusText(0), "Version " PENMAR_VERSION_TEXT);
}

// Every file of the corpus opens and, saved with no change, gives back its bytes; the status bar names
// how the file keeps its text.
TEST_F(FileTest, EveryEncodingAndKindOfLineEndsSavesAsItWasOpened)
{
    std::string everyByte;
    for (int byte = 1; byte < 256; byte++)
        everyByte += static_cast<char>(byte);
    const std::string utf8 = "\xE2\x80\x9C" "Caf\xC3\xA9 au lait,\xE2\x80\x9D she said \xE2\x80\x94 \xCE\xB1\xCE\xB2 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";
    struct CorpusFile {
        const char* name;
        std::string bytes;
        const char* encoding;
        const char* lineEnds;
    };
    const std::vector<CorpusFile> corpus = {
        {"ansi.txt", everyByte, "ANSI", "Mixed"},
        {"utf8.txt", utf8 + "\r\nline two\r\n", "UTF-8", "CRLF"},
        {"utf8bom.txt", "\xEF\xBB\xBF" + utf8, "UTF-8 with BOM", "CRLF"},
        {"utf16le.txt", std::string("\xFF\xFE" "a\0\xE9\0\r\0\n\0\x3B\xD8\x00\xDE", 14), "UTF-16 LE", "CRLF"},
        {"utf16be.txt", std::string("\xFE\xFF\0a\0\xE9\0\n\0b", 10), "UTF-16 BE", "LF"},
        {"empty.txt", "", "UTF-8", "CRLF"},
        {"lf.txt", "one\ntwo\n\nthree", "UTF-8", "LF"},
        {"cr.txt", "one\rtwo\r\rthree\r", "UTF-8", "CR"},
        {"mixed.txt", "one\r\ntwo\nthree\rfour", "UTF-8", "Mixed"},
        {"invalid.txt", "caf\xC3 \xA9\xFF\xFE", "ANSI", "CRLF"},
    };
    for (const CorpusFile& file : corpus) {
        std::string path = PathOf(file.name);
        WriteBytes(path, file.bytes);
        HWND document = Open(path);
        ASSERT_NE(document, nullptr) << file.name;
        PumpMessages();
        EXPECT_EQ(StatusText(4), file.encoding) << file.name;
        EXPECT_EQ(StatusText(3), file.lineEnds) << file.name;
        SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVE, 0);
        EXPECT_EQ(ReadBytes(path), file.bytes) << file.name;
        SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    }
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FileTest, UnicodeTextShowsItsCharactersAndLinesEndAsTheFileEndsThem)
{
    // Every character as it stands, outside the code page too.
    const std::string text = "\xE2\x80\x9C" "Caf\xC3\xA9,\xE2\x80\x9D it\xE2\x80\x99s \xCE\xB1 \xE6\x97\xA5";
    std::string path = PathOf("quotes.txt");
    WriteBytes(path, text + "\nsecond\n");
    HWND document = Open(path);
    EXPECT_EQ(DocumentText(document), text + "\r\nsecond\r\n");
    // Enter in an LF file adds its own line end.
    SelectText(document, 0, 0);
    TypeText(document, "first\r\n");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVE, 0);
    EXPECT_EQ(ReadBytes(path), "first\n" + text + "\nsecond\n");

    // A new document is saved in UTF-8 without a byte order mark; ANSI asks first about a character
    // that the code page lacks, and No writes nothing.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND fresh = ActiveDocumentWindow();
    TypeText(fresh, "\xCE\xB1 and \xC3\xA9");
    std::string newPath = PathOf("new.txt");
    SaveAs(newPath);
    EXPECT_EQ(ReadBytes(newPath), "\xCE\xB1 and \xC3\xA9");
    EXPECT_EQ(seams.saveCalls.back().filterIndex, 1u);
    std::string ansiPath = PathOf("ansi.txt");
    messages.AnswerNext({IDNO});
    SaveAs(ansiPath + "|5");
    EXPECT_FALSE(FileExists(ansiPath));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_NE(messages.Shown()[0].text.find("U+03B1"), std::string::npos) << messages.Shown()[0].text;
    messages.AnswerNext({IDYES});
    SaveAs(ansiPath + "|5");
    EXPECT_EQ(ReadBytes(ansiPath), "\xCE\xB1 and \xC3\xA9");
    PumpMessages();
    EXPECT_EQ(StatusText(4), "UTF-8");
}

// Names in any script open and save, from the dialog, the command line and the recent files.
TEST_F(FileTest, FileNamesInAnyScriptOpenAndSave)
{
    std::string path = PathOf("\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC-\xE6\x97\xA5\xE6\x9C\xAC.txt");
    WriteBytes(path, "text");
    HWND document = Open(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(WindowText(document), path);
    TypeText(document, "more ");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVE, 0);
    EXPECT_EQ(ReadBytes(path), "more text");
    EXPECT_TRUE(messages.Shown().empty());
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);

    SendMessageA(frame, WM_COMMAND, IDM_FILE_RECENT_FIRST, 0);
    ASSERT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(DocumentText(ActiveDocumentWindow()), "more text");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);

    DestroyFrame(frame);
    QuitWasPosted();
    // A name relative to the current folder is the file it named then, whatever folder is current later
    // (a dialog may change it).
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(WideOf(folder).c_str()));
    std::string name = path.substr(folder.size());
    StartEditor(("\"" + name + "\"").c_str());
    SetCurrentDirectoryW(before);
    ASSERT_EQ(CountDocumentWindows(), 1);
    HWND reopened = ActiveDocumentWindow();
    EXPECT_EQ(DocumentText(reopened), "more text");
    EXPECT_EQ(WindowText(reopened), path);
    TypeText(reopened, "still ");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVE, 0);
    EXPECT_EQ(ReadBytes(path), "still more text");
}

// A file that a document shows already is not opened a second time, whichever way it is asked for and in
// any letter case: that document comes to the front with its changes, and no window is added.
TEST_F(FileTest, OpeningAFileThatIsOpenBringsItsDocumentToTheFront)
{
    std::string path = PathOf("letter.txt");
    WriteBytes(path, "letter");
    HWND letter = Open(path);
    TypeText(letter, "changed ");
    WriteBytes(PathOf("other.txt"), "other");
    HWND other = Open(PathOf("other.txt"));
    ASSERT_NE(other, letter);

    EXPECT_EQ(Open(PathOf("LETTER.TXT")), letter);
    EXPECT_EQ(CountDocumentWindows(), 2);
    EXPECT_EQ(DocumentText(letter), "changed letter");
    EXPECT_TRUE(IsModified(letter));

    // From the recent files (File > 2), while the document is minimized.
    ShowWindow(letter, SW_MINIMIZE);
    ActivateDocument(other);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_RECENT_FIRST + 1, 0);
    PumpMessages();
    EXPECT_EQ(ActiveDocumentWindow(), letter);
    EXPECT_FALSE(IsIconic(letter));
    EXPECT_EQ(CountDocumentWindows(), 2);
    EXPECT_EQ(DocumentText(letter), "changed letter");
    EXPECT_TRUE(messages.Shown().empty());
}

// The user's Documents folder, where the file dialogs start for a document without a file.
std::string DocumentsFolder()
{
    wchar_t folder[MAX_PATH] = L"";
    EXPECT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)));
    return Utf8Of(folder);
}

// Wherever the program was started, the Open and Save As dialogs start in the folder of the document in
// front, or in the user's Documents folder when it has no file (and at the first Open).
TEST_F(FileTest, FileDialogsStartInTheDocumentsOwnFolderOrInDocuments)
{
    std::string documents = DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    std::string path = PathOf("letter.txt");
    WriteBytes(path, "letter");
    HWND letter = Open(path);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND untitled = ActiveDocumentWindow();
    SaveAs(PathOf("notes.txt"));
    ActivateDocument(letter);
    seams.openAnswers.push_back(path);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_OPEN, 0);
    ActivateDocument(letter);
    SaveAs(path);

    std::string folder = PathOf("");
    folder.pop_back();   // no separator at the end
    ASSERT_EQ(seams.openCalls.size(), 2u);
    EXPECT_EQ(seams.openCalls[0].initialFolder, documents);
    EXPECT_EQ(seams.openCalls[1].initialFolder, folder);
    ASSERT_EQ(seams.saveCalls.size(), 2u);
    EXPECT_EQ(seams.saveCalls[0].owner, untitled);
    EXPECT_EQ(seams.saveCalls[0].initialFolder, documents);
    EXPECT_EQ(seams.saveCalls[1].initialFolder, folder);
}

} // namespace
