#include "list_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "list_files.h"
#include "word_lists.h"

#ifdef _WIN32
#include <process.h>
#define CurrentProcessId _getpid
#else
#include <unistd.h>
#define CurrentProcessId getpid
#endif

namespace fs = std::filesystem;

namespace {
std::atomic<int> FolderCounter{0};
}

ListFolder::ListFolder()
{
    std::ostringstream name;
    name << "penmar-lists-" << CurrentProcessId() << "-" << FolderCounter++;
    fs::path root = fs::temp_directory_path() / name.str();
    fs::remove_all(root);
    fs::create_directories(root / "ZOLT" / "SPELL");
    root_ = root.string();
    spellFolder_ = (root / "ZOLT" / "SPELL").string();
    SetDriveRoot(root_.c_str());
    ResetSpellTablesForTesting();
}

ListFolder::~ListFolder()
{
    SetDriveRoot(nullptr);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string ListFolder::PathOf(const std::string& name) const
{
    return (fs::path(spellFolder_) / name).string();
}

void ListFolder::WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ListFolder::WriteLines(const std::string& name, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\n";
    WriteFile(name, bytes);
}

void ListFolder::Remove(const std::string& name)
{
    std::error_code ignored;
    fs::remove(PathOf(name), ignored);
}

std::string ListFolder::ReadFile(const std::string& name) const
{
    std::ifstream in(PathOf(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

WordField Word(const std::string& text)
{
    WordField word;
    CopyToField(word.ch, WordWidth, text.data(), static_cast<int>(text.size()));
    return word;
}

std::string Text(const WordField& word)
{
    return std::string(word.ch, static_cast<size_t>(TrimmedLength(word)));
}
