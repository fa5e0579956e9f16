#include "list_files.h"

#include "word_field.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#define OpenRaw(path) _open(path, _O_RDONLY | _O_BINARY)
#define ReadRaw(fd, buffer, size) _read(fd, buffer, size)
#define CloseRaw(fd) _close(fd)
#else
#include <cstdlib>
#include <unistd.h>
#define OpenRaw(path) open(path, O_RDONLY)
#define ReadRaw(fd, buffer, size) read(fd, buffer, size)
#define CloseRaw(fd) close(fd)
#endif

namespace {

const int BlockSize = 2048;

// The reader translates the raw bytes itself, as a text-mode read would on Windows,
// so that both hosts build the same tables: CR LF reads as LF, and 0x1A ends the file.
struct LineReaderState {
    char block[BlockSize];      // translated bytes handed to the loaders
    int blockBytes;             // bytes held in block
    int position;               // 0-based position of the next byte to take
    char raw[BlockSize];        // bytes as read from the file
    int rawBytes;
    int rawPosition;            // 0-based position of the next raw byte
    bool rawEnded;              // end of file or Ctrl-Z seen
    int rawError;               // error number of a failed read, 0 if none
};

LineReaderState Reader;

const char FixedFolder[] = "C:\\ZOLT\\SPELL\\";

char DriveRoot[ListPathWidth + 1];

void FillPath(char* field, const char* name)
{
    char path[ListPathWidth];
    int length = std::snprintf(path, sizeof path, "%s%s", FixedFolder, name);
    CopyToField(field, ListPathWidth, path, length);
}

// Next raw byte of the file: 0..255, or -1 at the end (or after a failed read).
int NextRawByte(int handle)
{
    if (Reader.rawPosition >= Reader.rawBytes) {
        if (Reader.rawEnded)
            return -1;
        int got = static_cast<int>(ReadRaw(handle, Reader.raw, BlockSize));
        if (got <= 0) {
            Reader.rawEnded = true;
            if (got < 0)
                Reader.rawError = errno > 0 ? errno : 5;
            return -1;
        }
        Reader.rawBytes = got;
        Reader.rawPosition = 0;
    }
    return static_cast<unsigned char>(Reader.raw[Reader.rawPosition++]);
}

// Fills the block with up to BlockSize translated bytes. Gives the count, 0 at the end of the
// file, or -1 with the error number when the read failed before any byte came.
int ReadTextBlock(int handle, int& error)
{
    int produced = 0;
    while (produced < BlockSize) {
        // Bytes that need no translation go straight across.
        while (produced < BlockSize && Reader.rawPosition < Reader.rawBytes) {
            char c = Reader.raw[Reader.rawPosition];
            if (c == '\r' || c == 0x1A)
                break;
            Reader.block[produced++] = c;
            Reader.rawPosition++;
        }
        if (produced == BlockSize)
            break;
        int b = NextRawByte(handle);
        if (b < 0)
            break;
        if (b == 0x1A) {
            Reader.rawEnded = true;
            Reader.rawBytes = 0;
            Reader.rawPosition = 0;
            break;
        }
        if (b == '\r') {
            int next = NextRawByte(handle);
            if (next == '\n') {
                b = '\n';
            } else if (next >= 0) {
                Reader.rawPosition--;   // give the byte back; it is still in the raw buffer
            }
        }
        Reader.block[produced++] = static_cast<char>(b);
    }
    if (produced == 0 && Reader.rawError != 0) {
        error = Reader.rawError;
        return -1;
    }
    return produced;
}

#ifndef _WIN32
const char* DefaultDriveRoot()
{
    static char root[ListPathWidth + 1];
    if (root[0] == 0) {
        const char* home = std::getenv("HOME");
        const char* tail = "/.wine/drive_c";
        if (home == nullptr || std::strlen(home) + std::strlen(tail) > ListPathWidth)
            home = "";
        std::strcpy(root, home);
        std::strcat(root, tail);
    }
    return root;
}
#endif

} // namespace

void SpellListPath(char* field) { FillPath(field, "Spell.txt"); }
void LocalListPath(char* field) { FillPath(field, "Local.txt"); }
void MisspellListPath(char* field) { FillPath(field, "Misspell.txt"); }
void PrefixListPath(char* field) { FillPath(field, "Prefix.txt"); }

void SetDriveRoot(const char* folder)
{
    DriveRoot[0] = 0;
    if (folder != nullptr && std::strlen(folder) <= ListPathWidth)
        std::strcpy(DriveRoot, folder);
}

bool HostPathOf(const char* pathField, char* hostPath, int hostPathSize)
{
    // "C:\ZOLT\SPELL\Spell.txt" becomes ROOT\ZOLT\SPELL\Spell.txt, with '/' on hosts that use it.
    int length = TrimmedLength(pathField, ListPathWidth);
    int skip = (length >= 2 && pathField[1] == ':') ? 2 : 0;
#ifdef _WIN32
    const char* root = DriveRoot[0] != 0 ? DriveRoot : "C:";
    const char separator = '\\';
#else
    const char* root = DriveRoot[0] != 0 ? DriveRoot : DefaultDriveRoot();
    const char separator = '/';
#endif
    if (skip == 0)
        root = "";
    int rootLength = static_cast<int>(std::strlen(root));
    if (rootLength + (length - skip) + 1 > hostPathSize)
        return false;
    std::memcpy(hostPath, root, static_cast<size_t>(rootLength));
    int out = rootLength;
    for (int i = skip; i < length; i++)
        hostPath[out++] = pathField[i] == '\\' ? separator : pathField[i];
    hostPath[out] = 0;
    return true;
}

void OpenListFile(const char* pathField, ListFile& file, int16_t& status)
{
    char hostPath[2 * ListPathWidth + 2];
    file.handle = -1;
    if (!HostPathOf(pathField, hostPath, static_cast<int>(sizeof hostPath))) {
        status = ENAMETOOLONG;
        return;
    }
    int handle = OpenRaw(hostPath);
    if (handle < 0) {
        status = static_cast<int16_t>(errno > 0 ? errno : ENOENT);
        return;
    }
    file.handle = handle;
    Reader.blockBytes = 0;
    Reader.position = 0;
    Reader.rawBytes = 0;
    Reader.rawPosition = 0;
    Reader.rawEnded = false;
    Reader.rawError = 0;
    status = StatusSuccess;
}

void ReadListLine(ListFile& file, char* field, int width, int16_t& status)
{
    std::memset(field, ' ', static_cast<size_t>(width));
    int n = 0;
    status = StatusSuccess;
    for (;;) {
        if (Reader.position >= Reader.blockBytes || Reader.position >= BlockSize) {
            int error = 0;
            int got = ReadTextBlock(file.handle, error);
            Reader.position = 0;
            if (got > 0) {
                Reader.blockBytes = got;
            } else {
                Reader.blockBytes = 0;
                if (n > 0) {
                    status = StatusSuccess;   // the file's last line, without a line feed
                    return;
                }
                status = got == 0 ? StatusEndOfFile : static_cast<int16_t>(error);
                return;
            }
        }
        // The rest of the line within this block, up to its line feed.
        const char* start = Reader.block + Reader.position;
        int available = Reader.blockBytes - Reader.position;
        const char* end = static_cast<const char*>(std::memchr(start, '\n', static_cast<size_t>(available)));
        int taken = end != nullptr ? static_cast<int>(end - start) : available;
        if (n < width) {
            int room = width - n;
            std::memcpy(field + n, start, static_cast<size_t>(taken < room ? taken : room));
        }
        n += taken;
        if (end != nullptr) {
            Reader.position += taken + 1;
            return;
        }
        Reader.position = Reader.blockBytes;
    }
}

void CloseListFile(ListFile& file)
{
    if (file.handle >= 0)
        CloseRaw(file.handle);
    file.handle = -1;
}
