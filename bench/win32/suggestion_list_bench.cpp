// Times Spell Check with the suggestion list shown, in the spell dialog and in the lookup dialog: the
// check, the filling of the list and its painting, for words with a full list of suggestions. Next to
// it, in the same run, the same entries put in one by one with the list drawing itself after each, as
// the dialogs filled it before.
//   suggestion_list_bench ROOT PENMAR_EXE LEXMAR_EXE [REPEATS]
// ROOT stands for C:\ (it holds ZOLT\SPELL\ with the word lists); the dialog templates are read from
// the two programs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../bench_arguments.h"
#include "list_files.h"
#include "lookup_dialog.h"
#include "lookup_state.h"
#include "spell_dialog.h"
#include "spell_run_state.h"
#include "message_boxes.h"
#include "word_dialog_ids.h"

namespace {

const char* const Words[] = {"smple", "mothr", "wierd"};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int AnswerWithOk(HWND, const wchar_t* text, const wchar_t* caption, UINT)
{
    std::fprintf(stderr, "message: %ls (%ls)\n", text, caption);
    return IDOK;
}

// Dialog 101 of a program, opened modeless and shown, as the user sees it.
HWND OpenShownDialog(const char* program, DLGPROC procedure, LPARAM record)
{
    HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module != nullptr ? FindResourceA(module, MAKEINTRESOURCEA(WORD_DIALOG_ID), RT_DIALOG) : nullptr;
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    if (loaded == nullptr) {
        std::fprintf(stderr, "suggestion_list_bench: no dialog 101 in %s\n", program);
        return nullptr;
    }
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                             static_cast<LPCDLGTEMPLATEA>(LockResource(loaded)), nullptr,
                                             procedure, record);
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
    return dialog;
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<std::string> Entries(HWND list)
{
    std::vector<std::string> entries;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        char text[64] = "";
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

// Spell Check of the word until the list stands painted on the screen.
double TimeSpellCheck(HWND dialog, int checkButton, const char* word)
{
    SetDlgItemTextA(dialog, IDC_WORD_BOX, word);
    Pump();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(checkButton, BN_CLICKED), 0);
    UpdateWindow(dialog);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// The same entries put in as before: one at a time, each drawn at once.
double TimeOneByOne(HWND dialog, const std::vector<std::string>& entries)
{
    HWND list = GetDlgItem(dialog, IDC_SUGGESTION_LIST);
    Pump();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    UpdateWindow(dialog);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void TimeDialog(const char* name, HWND dialog, int checkButton, long repeats)
{
    for (const char* word : Words) {
        std::vector<double> checks, oneByOne;
        std::vector<std::string> entries;
        for (long i = 0; i < repeats; i++) {
            checks.push_back(TimeSpellCheck(dialog, checkButton, word));
            entries = Entries(GetDlgItem(dialog, IDC_SUGGESTION_LIST));
            oneByOne.push_back(TimeOneByOne(dialog, entries));
        }
        std::printf("%-12s %-6s %3u entries: Spell Check shown %7.1f ms (slowest %7.1f); one by one as before "
                    "%7.1f ms (slowest %7.1f)\n",
                    name, word, static_cast<unsigned>(entries.size()), Median(checks),
                    *std::max_element(checks.begin(), checks.end()), Median(oneByOne),
                    *std::max_element(oneByOne.begin(), oneByOne.end()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (MissingArguments(argc, 3, "suggestion_list_bench ROOT PENMAR_EXE LEXMAR_EXE [REPEATS]"))
        return 2;
    long repeats = OptionalCount(argc, argv, 4, 5);
    SetDriveRoot(argv[1]);
    SetMessageBoxForTesting(AnswerWithOk);

    // The spell dialog opens on a word of the document, which it checks; that first check loads the lists.
    std::strcpy(SpellRunState.currentWord, "teh");
    SpellRunState.currentLength = 3;
    HWND spell = OpenShownDialog(argv[2], SpellDialogProc, reinterpret_cast<LPARAM>(&SpellRunState));
    HWND lookup = OpenShownDialog(argv[3], LookupDialogProc, reinterpret_cast<LPARAM>(&LookupState));
    if (spell == nullptr || lookup == nullptr)
        return 1;
    TimeDialog("spell dialog", spell, IDC_SPELL_CHECK, repeats);
    TimeDialog("lookup tool", lookup, IDC_LOOKUP_CHECK, repeats);
    DestroyWindow(spell);
    DestroyWindow(lookup);
    return 0;
}
