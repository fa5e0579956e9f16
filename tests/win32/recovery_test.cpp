// Copies of unsaved documents in the recovery folder: written, taken back after an editor ended
// without saving, removed by a save, a close and a normal exit; the end of the session; and the real
// program killed and started again.
#include "editor_harness.h"

#include <algorithm>
#include <string>
#include <vector>

#include "documents.h"
#include "not_copyable.h"
#include "recovery.h"
#include "recovery_copy.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "started_programs.h"
#include "window_classes.h"

namespace {

std::vector<std::string> EntriesOf(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(WideOf(folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = Utf8Of(entry.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveFolderWithFiles(const std::string& folder)
{
    for (const std::string& name : EntriesOf(folder))
        DeleteFileW(WideOf(folder + name).c_str());
    RemoveDirectoryW(WideOf(folder).c_str());
}

// The bytes of a copy as an editor writes it.
std::string CopyBytes(const std::wstring& path, const std::wstring& text)
{
    std::u16string units(RecoveryHeaderLength(path.size(), EncodingUtf8, LineEndsLf), u' ');
    WriteRecoveryHeader(reinterpret_cast<const char16_t*>(path.c_str()), path.size(), EncodingUtf8, LineEndsLf,
                        &units[0]);
    units.append(reinterpret_cast<const char16_t*>(text.c_str()), text.size());
    return std::string(reinterpret_cast<const char*>(units.data()), units.size() * sizeof(char16_t));
}

std::vector<HWND> DocumentWindows()
{
    std::vector<HWND> documents;
    for (HWND child = GetWindow(hMDIClient, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        documents.push_back(child);
    return documents;
}

// The document holding the text, or null.
HWND DocumentWithText(const std::string& text)
{
    for (HWND document : DocumentWindows())
        if (DocumentText(document) == text)
            return document;
    return nullptr;
}

class RecoveryTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        recoveryFolder = folder + "Recovery\\";
        SetRecoveryFolder(WideOf(recoveryFolder).c_str());
    }
    void TearDown() override
    {
        // First, so that the test's folder is empty when the harness removes it.
        RemoveFolderWithFiles(recoveryFolder);
        EditorTest::TearDown();
        SetRecoveryFolder(nullptr);
    }

    // The frame as the program starts it: the command line's file, then the copies of editors that ended.
    void StartWithRecovery(const char* argument = nullptr)
    {
        StartEditor(argument);
        ASSERT_TRUE(StartRecovery());
        RecoverDocuments(frame);
        PumpMessages();
    }
    // The editor ends without a word, as in a crash: its windows go, and nothing else happens.
    void EndAbruptly()
    {
        DestroyFrame(frame);
        frame = nullptr;
        PumpMessages();
        QuitWasPosted();
        hMainWindow = hMDIClient = nullptr;
    }
    std::vector<std::string> Copies() const { return EntriesOf(recoveryFolder); }

    std::string recoveryFolder;
};

TEST_F(RecoveryTest, UnsavedTextIsBackAfterTheEditorEndedAndASaveACloseAndAnExitRemoveTheCopies)
{
    std::string path = PathOf("letter.txt");
    WriteBytes(path, "Dear Ann\n");
    StartWithRecovery(path.c_str());
    HWND named = ActiveDocumentWindow();
    SelectText(named, 8, 8);
    TypeText(named, ", hello");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    TypeText(ActiveDocumentWindow(), "milk\r\nbread");
    EXPECT_TRUE(Copies().empty()) << "copies are written by the timer";
    OnRecoveryTimer();
    EXPECT_EQ(Copies().size(), 2u);

    EndAbruptly();
    EXPECT_EQ(Copies().size(), 2u);
    messages.Clear();
    StartWithRecovery();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text.find("2 documents that were not saved when Penmar last ended"), 0u)
        << messages.Shown()[0].text;
    EXPECT_EQ(messages.Shown()[0].owner, frame);
    ASSERT_EQ(CountDocumentWindows(), 2);
    HWND letter = DocumentWithText("Dear Ann, hello\r\n");
    HWND list = DocumentWithText("milk\r\nbread");
    ASSERT_NE(letter, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(WindowText(letter), path);
    EXPECT_EQ(WindowText(list), "[Untitled]");
    EXPECT_TRUE(IsModified(letter));
    EXPECT_TRUE(IsModified(list));
    EXPECT_EQ(Utf8Of(FileOfDocument(letter).path), path);
    EXPECT_EQ(FileOfDocument(letter).lineEnds, LineEndsLf);
    EXPECT_EQ(Copies().size(), 2u) << "kept until saved or closed";

    // Saved: to its file with its line ends, and its copy goes.
    ActivateDocument(letter);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVE, 0);
    EXPECT_EQ(ReadBytes(path), "Dear Ann, hello\n");
    EXPECT_EQ(Copies().size(), 1u);
    // A change written, then the text back as saved: the copy goes again.
    TypeText(letter, "!");
    OnRecoveryTimer();
    EXPECT_EQ(Copies().size(), 2u);
    SendMessageW(EditOf(letter), WM_UNDO, 0, 0);
    EXPECT_EQ(Copies().size(), 1u);

    // A normal exit, the new document not saved: nothing is left.
    messages.Clear();
    messages.AnswerNext({IDNO});
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_TRUE(QuitWasPosted());
    EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryTest, ClosingAChangedDocumentRemovesItsCopy)
{
    StartWithRecovery();
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    TypeText(ActiveDocumentWindow(), "scratch");
    OnRecoveryTimer();
    EXPECT_EQ(Copies().size(), 1u);
    messages.AnswerNext({IDNO});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryTest, CopiesOfARunningEditorStayWhereTheyAreAndUnreadableOnesAreKeptAndReported)
{
    ASSERT_TRUE(CreateDirectoryW(WideOf(recoveryFolder).c_str(), nullptr));
    const std::string running = "0000BEEF-01DA000000000001";
    WriteBytes(recoveryFolder + running + "-1.txt", CopyBytes(L"", L"another editor's text"));
    HANDLE lock = CreateMutexW(nullptr, FALSE, WideOf("Local\\Penmar.Recovery." + running).c_str());
    const std::string ended = "0000DEAD-01DA000000000002";
    WriteBytes(recoveryFolder + ended + "-1.txt", "not a copy");
    WriteBytes(recoveryFolder + ended + "-2.new", CopyBytes(L"", L"half"));

    StartWithRecovery();
    EXPECT_EQ(CountDocumentWindows(), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "A recovery copy could not be read. It is kept in " + recoveryFolder);
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(Copies(), (std::vector<std::string>{running + "-1.txt", ended + "-1.txt"}));

    // The other editor has ended: its copy is taken.
    CloseHandle(lock);
    EndAbruptly();
    messages.Clear();
    StartWithRecovery();
    ASSERT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(DocumentText(ActiveDocumentWindow()), "another editor's text");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text.find("A document that was not saved when Penmar last ended"), 0u);
    EXPECT_NE(messages.Shown()[0].text.find("\r\n\r\nA recovery copy could not be read"), std::string::npos);
    std::vector<std::string> copies = Copies();
    EXPECT_EQ(copies.size(), 2u);
    EXPECT_EQ(std::count(copies.begin(), copies.end(), running + "-1.txt"), 0);
}

TEST_F(RecoveryTest, TheEndOfTheSessionAsksForEachChangedDocumentAndKeepsTheCopiesOfThoseNotSaved)
{
    std::string path = PathOf("report.txt");
    WriteBytes(path, "draft");
    StartWithRecovery(path.c_str());
    HWND document = ActiveDocumentWindow();
    TypeText(document, "final ");

    messages.AnswerNext({IDCANCEL});
    EXPECT_EQ(SendMessageW(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save current changes in " + path + "?"});
    EXPECT_EQ(Copies().size(), 1u) << "written before the question, without waiting for the timer";

    messages.AnswerNext({IDNO});
    EXPECT_EQ(SendMessageW(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(frame, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ReadBytes(path), "draft");
    EXPECT_EQ(Copies().size(), 1u);

    // The session ended the editor; the next start has the text back.
    EndAbruptly();
    StartWithRecovery();
    ASSERT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(DocumentText(ActiveDocumentWindow()), "final draft");
}

// ---- The program itself, killed and started again

// The edit controls of the program's documents.
std::vector<HWND> DocumentEditsOf(DWORD processId)
{
    HWND frame = TopWindowOf(processId, FRAME_CLASS_NAME, nullptr);
    HWND client = frame != nullptr ? GetDlgItem(frame, FrameMDIClientId) : nullptr;
    std::vector<HWND> edits;
    for (HWND child = client != nullptr ? GetWindow(client, GW_CHILD) : nullptr; child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        edits.push_back(GetDlgItem(child, DocumentEditId));
    return edits;
}

// Another process's text, asked for with the message (which the system carries across).
std::string TextOfOtherProcess(HWND edit)
{
    wchar_t text[256] = L"";
    SendMessageW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return Utf8Of(text);
}

// The texts of the program's documents, in alphabetical order.
std::vector<std::string> DocumentTextsOf(DWORD processId)
{
    std::vector<std::string> texts;
    for (HWND edit : DocumentEditsOf(processId))
        texts.push_back(TextOfOtherProcess(edit));
    std::sort(texts.begin(), texts.end());
    return texts;
}

void TypeInto(HWND edit, const wchar_t* text)
{
    for (const wchar_t* key = text; *key != L'\0'; key++)
        PostMessageW(edit, WM_CHAR, *key, 1);
}

// The copies of the program's documents, once there are `count` complete ones (or those there are when
// the wait runs out).
std::vector<std::string> WaitForCopies(const std::string& folder, size_t count)
{
    static_assert(RecoveryCopyDelay + 5000 <= LongestProgramWait, "a copy is written within the wait for it");
    std::vector<std::string> copies;
    WaitUntil([&] {
        copies = EntriesOf(folder);
        return copies.size() == count &&
               std::all_of(copies.begin(), copies.end(), [](const std::string& name) {
                   return name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
               });
    });
    return copies;
}

// Gives the programs started while it lives the test's folder as the user's local data, and empties
// their recovery folder afterwards.
class LocalDataFolder : NotCopyable {
public:
    explicit LocalDataFolder(const std::string& folder) : folder_(folder)
    {
        hadOwn_ = GetEnvironmentVariableW(L"LOCALAPPDATA", own_, MAX_PATH) != 0;
        SetEnvironmentVariableW(L"LOCALAPPDATA", WideOf(folder.substr(0, folder.size() - 1)).c_str());
    }
    ~LocalDataFolder()
    {
        SetEnvironmentVariableW(L"LOCALAPPDATA", hadOwn_ ? own_ : nullptr);
        RemoveFolderWithFiles(RecoveryFolder());
        RemoveDirectoryW(WideOf(folder_ + "Penmar").c_str());
    }
    std::string RecoveryFolder() const { return folder_ + "Penmar\\Recovery\\"; }

private:
    std::string folder_;
    wchar_t own_[MAX_PATH] = L"";
    bool hadOwn_ = false;
};

TEST_F(EditorTest, TextTypedIntoTheProgramIsBackAfterItIsKilledAndStartedAgain)
{
    LocalDataFolder localData(folder);
    std::string path = PathOf("story.txt");
    WriteBytes(path, "Once");
    {
        StartedProgram first("Penmar.exe", WideOf("\"" + path + "\""));
        ASSERT_TRUE(first.Started()) << "Penmar.exe beside the test program did not start";
        // Typed only once the file is there: a window may show before its text.
        std::vector<HWND> edits;
        ASSERT_TRUE(WaitUntil([&] {
            edits = DocumentEditsOf(first.Id());
            return edits.size() == 1 && TextOfOtherProcess(edits[0]) == "Once";
        })) << "the started Penmar did not show story.txt " << WithinLongestProgramWait();
        SendMessageW(edits[0], EM_SETSEL, 4, 4);
        TypeInto(edits[0], L" upon a time");
        PostMessageW(TopWindowOf(first.Id(), FRAME_CLASS_NAME, nullptr), WM_COMMAND, IDM_FILE_NEW, 0);
        ASSERT_TRUE(WaitUntil([&] {
            edits = DocumentEditsOf(first.Id());
            return edits.size() == 2;
        })) << "the started Penmar did not show a new document " << WithinLongestProgramWait();
        HWND fresh = TextOfOtherProcess(edits[0]).empty() ? edits[0] : edits[1];
        TypeInto(fresh, L"notes");
        ASSERT_EQ(WaitForCopies(localData.RecoveryFolder(), 2).size(), 2u)
            << "no 2 complete copies in " << localData.RecoveryFolder() << " " << WithinLongestProgramWait();
        first.Kill();
    }
    {
        StartedProgram second("Penmar.exe", L"");
        ASSERT_TRUE(second.Started()) << "Penmar.exe beside the test program did not start";
        const std::vector<std::string> recovered = {"Once upon a time", "notes"};
        std::vector<std::string> texts;
        WaitUntil([&] {
            texts = DocumentTextsOf(second.Id());
            return texts == recovered;
        });
        EXPECT_EQ(texts, recovered) << "the documents that the started Penmar recovered " << WithinLongestProgramWait();
        second.Kill();
    }
    EXPECT_EQ(ReadBytes(path), "Once");
}

} // namespace
