#include "dictionary_launch.h"

#include <shellapi.h>

#include "caret_column.h"
#include "texts.h"

namespace {

ProgramStartFunction TestProgramStart = nullptr;

const int LineCapacity = 1024;
const int LongestLookupWord = 54;

HINSTANCE StartProgram(HWND owner, const char* verb, const char* program, const char* parameters)
{
    if (TestProgramStart != nullptr)
        return TestProgramStart(owner, verb, program, parameters, nullptr, SW_SHOWNORMAL);
    return ShellExecuteA(owner, verb, program, parameters, nullptr, SW_SHOWNORMAL);
}

} // namespace

void SetProgramStartForTesting(ProgramStartFunction function)
{
    TestProgramStart = function;
}

void LaunchDictionary(HWND window, int editId)
{
    int column = CaretColumn(window, editId);
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(window, editId, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    LRESULT lineNumber = SendDlgItemMessageA(window, editId, EM_LINEFROMCHAR, start, 0);

    // One more byte than the line may fill, so that a line of 1024 characters still gets its terminator.
    char line[LineCapacity + 1];
    *reinterpret_cast<WORD*>(line) = LineCapacity;
    LRESULT copied = SendDlgItemMessageA(window, editId, EM_GETLINE, static_cast<WPARAM>(lineNumber),
                                         reinterpret_cast<LPARAM>(line));
    int lineLength = copied < 0 ? 0 : (copied > LineCapacity ? LineCapacity : static_cast<int>(copied));
    line[lineLength] = '\0';

    int count = static_cast<int>(end) - static_cast<int>(start);
    if (count > LongestLookupWord)
        count = LongestLookupWord;
    // The selection may begin beyond the part of the line that was read: then nothing is passed.
    int available = column >= 0 && column < lineLength ? lineLength - column : 0;
    if (count > available)
        count = available;
    if (count < 0)
        count = 0;

    char parameters[LongestLookupWord + 3];
    int length = 0;
    parameters[length++] = '"';
    for (int i = 0; i < count; i++)
        parameters[length++] = line[column + i];
    parameters[length++] = '"';
    parameters[length] = '\0';

    StartProgram(GetDesktopWindow(), TEXT_DICTIONARY_VERB, TEXT_DICTIONARY_PROGRAM, parameters);
}
