#include "word_list_failure.h"

#include <cstdio>
#include <cstring>

#include "list_files.h"
#include "spell_tables.h"
#include "texts.h"
#include "word_lists.h"

bool WordListFailure(char* message)
{
    if (SpellTables.TablesLoaded != 0)
        return false;
    char path[ListPathWidth + 1];
    FailedListPath(path);
    path[TrimmedLength(path, ListPathWidth)] = 0;
    std::snprintf(message, ListFailureMessageSize, TEXT_WORD_LIST_NOT_LOADED, path);
    return true;
}
