// Word lists, message log and dialog driver shared by the spell dialog and spell-check run tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "list_folder.h"
#include "message_log.h"
#include "test_document.h"

// What a dialog showed: its Word box, status text and list.
struct Seen {
    std::string word;
    std::string status;
    std::vector<std::string> entries;
};

inline Seen Look(HWND dialog)
{
    return {ControlText(dialog, 1000), ControlText(dialog, 1001), ListEntries(dialog, 1002)};
}

class SpellFixture : public ::testing::Test {
protected:
    SpellFixture()
    {
        folder.WriteLines("Spell.txt", {"I", "a", "and", "bad", "cat", "dog", "every", "here", "is", "line", "of",
                                        "one", "receive", "text", "the", "this", "two", "word", "words"});
        folder.WriteLines("Misspell.txt", {"$receive", "recieve", "$the", "teh"});
    }

    ListFolder folder;
    MessageLog messages;
    DialogDriver driver;
};

