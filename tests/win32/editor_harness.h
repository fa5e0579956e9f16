// Test support for the editor: the real frame and document windows, with message boxes and file
// dialogs answered through their seams, and a temporary folder for files.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

struct FileDialogCall {
    HWND owner;
    std::string initialName;
    DWORD flags;
    std::string filter;   // display texts and patterns, each followed by '|'
    std::string defaultExtension;
    DWORD filterIndex;
};

// What the seams record and how they answer; reset before each test.
struct SeamLog {
    std::deque<int> messageAnswers;        // IDOK when empty
    std::vector<ShownMessage> messages;
    std::deque<std::string> openAnswers;   // the dialog is cancelled when empty
    std::deque<std::string> saveAnswers;
    std::vector<FileDialogCall> openCalls;
    std::vector<FileDialogCall> saveCalls;
};
extern SeamLog seams;

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the frame as the program does and opens the command-line argument (null for none).
    HWND StartEditor(const char* argument = nullptr);

    std::string folder;   // an empty temporary folder, ending in a backslash
    HWND frame = nullptr;
    HACCEL accelerators = nullptr;

    std::string PathOf(const std::string& name) const { return folder + name; }
    std::vector<std::string> FolderEntries() const;
};

void PumpMessages();
HWND ActiveDocumentWindow();
HWND EditOf(HWND document);
std::string WindowText(HWND window);
std::string StatusText(int part);
bool IsModified(HWND document);
void TypeText(HWND document, const char* text);   // replaces the selection, as typing does
int CountDocumentWindows();                       // counted without activating any window
bool QuitWasPosted();                             // takes a posted quit message off the queue
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// Presses a key with a modifier (VK_CONTROL, VK_SHIFT, VK_MENU or 0) through the accelerator table,
// as the message loop does; true when the table turned it into a command.
bool PressAcceleratorKey(HWND frame, HACCEL accelerators, HWND target, WPARAM key, int modifier);
