// Test support for the editor: the real frame and document windows, message boxes recorded by a
// MessageLog, file dialogs answered through their seam, a temporary folder for files, and a way to act
// from inside a message pump. A modal dialog that nothing closes ends the test program (dialog_watch.h).
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "message_log.h"
#include "not_copyable.h"

struct FileDialogCall {
    HWND owner;
    std::string initialName;
    DWORD flags;
    std::string filter;   // display texts and patterns, each followed by '|'
    std::string defaultExtension;
    DWORD filterIndex;
    std::string initialFolder;
};

// How the Open and Save dialogs answer and what they were asked; reset before each test.
struct SeamLog {
    std::deque<std::string> openAnswers;   // the dialog is cancelled when empty
    std::deque<std::string> saveAnswers;
    std::vector<FileDialogCall> openCalls;
    std::vector<FileDialogCall> saveCalls;
};
extern SeamLog seams;

// A frame of its own for every test, created as the program creates it: for start-up, documents and files.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the frame as the program does and opens the files its command line names (null for none).
    HWND StartEditor(const char* argument = nullptr);

    MessageLog messages;
    std::string folder;   // an empty temporary folder, ending in a backslash
    HWND frame = nullptr;
    HACCEL accelerators = nullptr;

    std::string PathOf(const std::string& name) const { return folder + name; }
    std::vector<std::string> FolderEntries() const;
};

// Each test starts as a first run: nothing remembered from an earlier frame or test program.
void ForgetRememberedSettings();

// Closes the frame's documents, then destroys the frame.
void DestroyFrame(HWND frame);

// One frame for a whole test program, created at the first call: for tests of commands on documents.
HWND TestFrame();
HWND CreateTestDocument(const char* text);     // becomes the active document
void CloseTestDocument(HWND document);
void ActivateDocument(HWND document);

// Puts a test function in one of the program's seams while it lives, and takes it out after.
template <typename Function>
class SeamStandIn : NotCopyable {
public:
    SeamStandIn(void (*install)(Function), Function standIn) : install_(install) { install_(standIn); }
    ~SeamStandIn() { install_(nullptr); }

private:
    void (*install_)(Function);
};

// Tests of commands on documents in the one shared frame: the documents a test opens close after it.
class SharedFrameTest : public ::testing::Test {
protected:
    void SetUp() override { TestFrame(); }
    void TearDown() override;

    HWND Document(const char* text);   // opens a test document, which becomes the active one
    void Close(HWND document);         // closes it before the test ends

private:
    std::vector<HWND> documents_;
};

// The action runs when the next message pump (the program's or a nested one) gets to it.
void RunFromMessagePump(void (*action)());
// Dispatches what is queued, through the Find or Replace dialog when one is open; stops at a quit message.
void PumpMessages();
bool QuitWasPosted();                             // takes a posted quit message off the queue

HWND ActiveDocumentWindow();
HWND EditOf(HWND document);
std::string DocumentText(HWND document);
std::string WindowText(HWND window);
std::string StatusText(int part);
void SelectText(HWND document, int start, int end);
void SelectionOf(HWND document, int& start, int& end);
bool IsModified(HWND document);
void TypeText(HWND document, const char* text);   // replaces the selection, as typing does
int CountDocumentWindows();                       // counted without activating any window
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// The system's own description of an error, as the editor quotes it for a file it cannot open or save.
std::string SystemText(DWORD error);
// The one message shown is owned by owner, begins with opening, names the file and gives the reason.
void ExpectFileFailure(const MessageLog& messages, HWND owner, const std::string& opening, const std::string& path,
                       DWORD error);
// Modifier keys (VK_CONTROL, VK_SHIFT, VK_MENU; 0 for none) held down in the keyboard state while it lives.
class HeldKeys : NotCopyable {
public:
    explicit HeldKeys(int first, int second = 0);
    ~HeldKeys();

private:
    BYTE saved_[256];
};
// Clicks the frame's toolbar button of the command, as the mouse does.
void ClickToolbarButton(HWND frame, int command);
// Presses a key with up to two modifiers (VK_CONTROL, VK_SHIFT, VK_MENU or 0) through the accelerator
// table, as the message loop does; true when the table turned it into a command.
bool PressAcceleratorKey(HWND frame, HACCEL accelerators, HWND target, WPARAM key, int modifier,
                         int secondModifier = 0);
