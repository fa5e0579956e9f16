// The editor's own frame and document windows for test programs, a window that runs an action
// from inside a message pump, and a message-box recorder.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The action runs when the next message pump (the program's or a nested one) gets to it.
void RunFromMessagePump(void (*action)());

HWND TestFrame();                              // the editor's frame, created once
HWND CreateTestDocument(const char* text);     // becomes the active document
void CloseTestDocument(HWND document);
void ActivateDocument(HWND document);
HWND EditOf(HWND document);
std::string DocumentText(HWND document);
void SelectText(HWND document, int start, int end);
void SelectionOf(HWND document, int& start, int& end);
void PumpMessages();

struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};
// Message boxes are recorded instead of shown while the recorder is on.
void StartRecordingMessages();
std::vector<ShownMessage>& RecordedMessages();
