#include "spelling_command.h"

#include <commctrl.h>
#include <strsafe.h>

#include "shell_state.h"
#include "spell_run.h"
#include "spelling_marks.h"
#include "status_bar.h"
#include "texts.h"

namespace {

// The status bar's first two parts as they were before the progress took them.
const int StatusTextSize = 512;
struct ShownProgress {
    DWORD started;
    DWORD delay;
    int percent;   // last shown; -1 before the first
    wchar_t saved[2][StatusTextSize];
};
ShownProgress progress = {0, SpellingProgressDelay, -1, {L"", L""}};

HWND StatusBar()
{
    return GetDlgItem(hMainWindow, FrameStatusBarId);
}

void SaveStatusTexts()
{
    for (int part = 0; part < 2; part++) {
        progress.saved[part][0] = L'\0';
        if (LOWORD(SendMessageW(StatusBar(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0)) < StatusTextSize)
            SendMessageW(StatusBar(), SB_GETTEXTW, static_cast<WPARAM>(part),
                         reinterpret_cast<LPARAM>(progress.saved[part]));
    }
}

// Keys pressed while the run is busy: true when one was Esc. The others are dropped rather than
// typed into the document once the run has moved its selection.
bool EscapePressed()
{
    bool escape = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE))
        escape = escape || message.wParam == VK_ESCAPE;
    return escape;
}

bool ShowProgress(int32_t checked, int32_t total)
{
    if (GetTickCount() - progress.started < progress.delay)
        return true;
    int percent = total > 0 ? static_cast<int>(static_cast<long long>(checked) * 100 / total) : 100;
    if (percent != progress.percent) {
        bool first = progress.percent < 0;
        if (first)
            SaveStatusTexts();
        progress.percent = percent;
        wchar_t text[sizeof(TEXT_STATUS_SPELLING_PROGRESS) + 8];
        StringCchPrintfW(text, sizeof(text) / sizeof(text[0]), WIDE(TEXT_STATUS_SPELLING_PROGRESS), percent);
        SetStatusTexts(text, first ? WIDE(TEXT_STATUS_SPELLING_STOPS) : nullptr);
        UpdateWindow(StatusBar());
    }
    return !EscapePressed();
}

} // namespace

void SpellingCommand(HWND document)
{
    progress.started = GetTickCount();
    progress.percent = -1;
    SetSpellRunProgress(ShowProgress);
    SpellCheckRun(document, DocumentEditId);
    SetSpellRunProgress(nullptr);
    if (progress.percent >= 0) {
        SetStatusTexts(progress.saved[0], progress.saved[1]);
    }
    RecheckMarksOfAllDocuments();
}

void SetProgressDelayForTesting(DWORD milliseconds)
{
    progress.delay = milliseconds;
}
