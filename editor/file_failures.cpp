#include "file_failures.h"

#include "texts.h"

// "Access denied." for a file that another program holds open, "Disk full." where the old file would
// fit but its new copy does not fit beside it.
const wchar_t* SaveFailureFormat(DWORD error)
{
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return WIDE(TEXT_SAVE_IN_USE);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return WIDE(TEXT_SAVE_NO_ROOM_FOR_COPY);
    default:
        return WIDE(TEXT_SAVE_FAILED);
    }
}
