// Long documents for the editor's benchmarks of changes made everywhere in the text.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "documents.h"
#include "editor_main.h"
#include "shell_state.h"

// The command line of these benchmarks: [BYTES [COUNT]] [--one-by-one] (default: 1 MB).
struct BenchArguments {
    size_t bytes;
    int count;
    bool oneByOne;   // also time the change made one occurrence at a time
};

inline BenchArguments ReadBenchArguments(int argc, char** argv, int defaultCount)
{
    BenchArguments arguments;
    arguments.oneByOne = argc > 1 && std::strcmp(argv[argc - 1], "--one-by-one") == 0;
    int numbers = arguments.oneByOne ? argc - 2 : argc - 1;
    arguments.bytes = numbers >= 1 ? std::strtoul(argv[1], nullptr, 10) : 1048576;
    arguments.count = numbers >= 2 ? std::atoi(argv[2]) : defaultCount;
    return arguments;
}

// The editor's frame, created as the program creates it.
inline HWND StartEditorFrame()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClasses(instance);
    return CreateFrameWindow(instance, SW_SHOWNORMAL);
}

// Lines of about 70 characters with CR LF ends; `count` of them, evenly spread, end in `word`.
inline std::string MakeText(size_t bytes, int count, const char* word)
{
    static const char* const words[] = {"the", "quick", "brown", "fox", "jumps", "over", "a", "lazy",
                                        "dog", "while", "seven", "wizards", "quietly", "judge", "boxing",
                                        "matches"};
    std::vector<std::string> lines;
    size_t size = 0;
    unsigned next = 1;
    while (size < bytes) {
        std::string line;
        while (line.size() < 68) {
            next = next * 1103515245u + 12345u;
            line += words[(next >> 16) % 16];
            line += ' ';
        }
        size += line.size() + 2;
        lines.push_back(line);
    }
    for (int i = 0; i < count && !lines.empty(); ++i)
        lines[static_cast<size_t>(i) * lines.size() / static_cast<size_t>(count)] += word;
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline int Occurrences(const std::string& text, const char* word)
{
    int count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

inline std::string TextOf(HWND edit)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit, &text[0], static_cast<int>(text.size()))));
    return text;
}

// A new document window of the editor holding the text, the caret at its start.
inline HWND NewDocument(const std::string& text)
{
    HWND document = CreateDocumentWindow(hMDIClient);
    SetWindowTextA(GetDlgItem(document, DocumentEditId), text.c_str());
    SendDlgItemMessageA(document, DocumentEditId, EM_SETSEL, 0, 0);
    return document;
}
