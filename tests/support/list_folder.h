// A temporary C:\ZOLT\SPELL\ folder for tests: write list files, then load them into fresh tables.
#pragma once
#include <string>
#include <vector>

#include "word_field.h"

class ListFolder {
public:
    // Creates an empty folder, points the engine at it and resets the spell tables.
    ListFolder();
    ~ListFolder();

    // Writes the file with exactly these bytes.
    void WriteFile(const std::string& name, const std::string& bytes);
    // Writes one line per word, each ended by "\n".
    void WriteLines(const std::string& name, const std::vector<std::string>& lines);
    void Remove(const std::string& name);
    std::string ReadFile(const std::string& name) const;
    std::string PathOf(const std::string& name) const;

private:
    std::string root_;
    std::string spellFolder_;
};

WordField Word(const std::string& text);
std::string Text(const WordField& word);   // trimmed of trailing blanks
