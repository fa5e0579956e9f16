#include "list_files.h"

#include "windows_1252.h"
#include "word_field.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#define OpenRaw(path) _open(path, _O_RDONLY | _O_BINARY)
#define ReadRaw(fd, buffer, size) _read(fd, buffer, size)
#define SeekRaw(fd, offset) _lseek(fd, offset, SEEK_SET)
#define CloseRaw(fd) _close(fd)
#else
#include <cstdlib>
#include <unistd.h>
#define OpenRaw(path) open(path, O_RDONLY)
#define ReadRaw(fd, buffer, size) read(fd, buffer, size)
#define SeekRaw(fd, offset) lseek(fd, offset, SEEK_SET)
#define CloseRaw(fd) close(fd)
#endif

namespace {

const int BlockSize = 2048;

const unsigned char EndOfFileByte = 0x1A;   // Ctrl-Z
const unsigned char ByteOrderMark[] = {0xEF, 0xBB, 0xBF};
const int ByteOrderMarkLength = 3;

// What a UTF-8 file's character outside Windows-1252 becomes among the translated bytes: the byte that
// the code page leaves unassigned, so no character of a UTF-8 file can give it.
const char OutsideMark = static_cast<char>(0x81);

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
    bool utf8;                  // the file's UTF-8 characters are translated into Windows-1252 bytes
    bool lineOutside1252;       // the line read last holds a character outside Windows-1252
};

// Follows UTF-8 byte by byte: whether the bytes so far can begin valid UTF-8.
struct Utf8Check {
    int pending;            // continuation bytes still due
    unsigned char low;      // the range the next continuation byte must lie in
    unsigned char high;
    bool valid;
    bool sawHighBytes;      // any byte of 128 or above
};

// The continuation bytes due after a lead byte, and the range of the first of them (which excludes
// overlong forms, surrogates and characters beyond U+10FFFF); false for a byte that cannot lead.
bool StartSequence(unsigned char lead, int& pending, unsigned char& low, unsigned char& high)
{
    low = 0x80;
    high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        pending = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        pending = 2;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        pending = 3;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return false;
    }
    return true;
}

void TakeUtf8Byte(Utf8Check& check, unsigned char b)
{
    if (b >= 0x80)
        check.sawHighBytes = true;
    if (!check.valid)
        return;
    if (check.pending > 0) {
        check.valid = b >= check.low && b <= check.high;
        check.pending--;
        check.low = 0x80;
        check.high = 0xBF;
    } else if (b >= 0x80) {
        check.valid = StartSequence(b, check.pending, check.low, check.high);
    }
}

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

// The Windows-1252 byte of the UTF-8 character whose lead byte was taken (U+2019 gives the apostrophe),
// or OutsideMark for a character the code page lacks and for bytes that are not UTF-8. A byte that
// cannot continue the character is given back: it begins what follows.
char Utf8CharacterAsByte(int handle, unsigned char lead)
{
    int pending = 0;
    unsigned char low = 0, high = 0;
    if (!StartSequence(lead, pending, low, high))
        return OutsideMark;
    uint32_t character = lead & (0x3Fu >> pending);
    for (; pending > 0; pending--) {
        int next = NextRawByte(handle);
        if (next < 0)
            return OutsideMark;
        if (next < low || next > high) {
            Reader.rawPosition--;   // still in the raw buffer
            return OutsideMark;
        }
        character = (character << 6) | (static_cast<uint32_t>(next) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    int b = WordByteOf(character);
    return b < 0 ? OutsideMark : static_cast<char>(b);
}

// Fills the block with up to BlockSize translated bytes. Gives the count, 0 at the end of the
// file, or -1 with the error number when the read failed before any byte came.
int ReadTextBlock(int handle, int& error)
{
    // The first byte that a UTF-8 character begins with; no byte does in a Windows-1252 file.
    const int translatedFrom = Reader.utf8 ? 0x80 : 0x100;
    int produced = 0;
    while (produced < BlockSize) {
        // Bytes that need no translation go straight across.
        while (produced < BlockSize && Reader.rawPosition < Reader.rawBytes) {
            char c = Reader.raw[Reader.rawPosition];
            if (c == '\r' || c == EndOfFileByte || static_cast<unsigned char>(c) >= translatedFrom)
                break;
            Reader.block[produced++] = c;
            Reader.rawPosition++;
        }
        if (produced == BlockSize)
            break;
        int b = NextRawByte(handle);
        if (b < 0)
            break;
        if (b == EndOfFileByte) {
            Reader.rawEnded = true;
            Reader.rawBytes = 0;
            Reader.rawPosition = 0;
            break;
        }
        if (b >= 0x80 && Reader.utf8) {
            Reader.block[produced++] = Utf8CharacterAsByte(handle, static_cast<unsigned char>(b));
            continue;
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

// Reads the whole file (up to a Ctrl-Z) to tell how it is written. Gives the error number of a read
// that failed, 0 otherwise.
int ReadEncoding(int handle, bool& utf8, bool& byteOrderMark)
{
    char bytes[BlockSize];
    Utf8Check check = {0, 0x80, 0xBF, true, false};
    int markMatched = 0;   // leading bytes that match the byte order mark; -1 once one does not
    byteOrderMark = false;
    for (;;) {
        int got = static_cast<int>(ReadRaw(handle, bytes, BlockSize));
        if (got < 0)
            return errno > 0 ? errno : 5;
        if (got == 0)
            break;
        const char* end = static_cast<const char*>(std::memchr(bytes, EndOfFileByte, static_cast<size_t>(got)));
        int counted = end != nullptr ? static_cast<int>(end - bytes) : got;
        for (int i = 0; i < counted; i++) {
            unsigned char b = static_cast<unsigned char>(bytes[i]);
            if (markMatched >= 0 && markMatched < ByteOrderMarkLength) {
                markMatched = b == ByteOrderMark[markMatched] ? markMatched + 1 : -1;
                byteOrderMark = markMatched == ByteOrderMarkLength;
            }
            TakeUtf8Byte(check, b);
        }
        // Once the bytes are not UTF-8, the mark alone decides, and it is known.
        if (end != nullptr || (!check.valid && (markMatched < 0 || byteOrderMark)))
            break;
    }
    utf8 = byteOrderMark || (check.valid && check.pending == 0 && check.sawHighBytes);
    return 0;
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
    Reader.lineOutside1252 = false;
    bool byteOrderMark = false;
    Reader.rawError = ReadEncoding(handle, Reader.utf8, byteOrderMark);
    if (Reader.rawError != 0) {
        Reader.rawEnded = true;   // the reads report the error
    } else if (SeekRaw(handle, byteOrderMark ? ByteOrderMarkLength : 0) < 0) {
        status = static_cast<int16_t>(errno > 0 ? errno : 5);
        CloseListFile(file);
        return;
    }
    status = StatusSuccess;
}

bool ListFileInUtf8(const char* pathField)
{
    char hostPath[2 * ListPathWidth + 2];
    if (!HostPathOf(pathField, hostPath, static_cast<int>(sizeof hostPath)))
        return false;
    int handle = OpenRaw(hostPath);
    if (handle < 0)
        return false;
    bool utf8 = false, byteOrderMark = false;
    bool read = ReadEncoding(handle, utf8, byteOrderMark) == 0;
    CloseRaw(handle);
    return read && utf8;
}

void ReadListLine(ListFile& file, char* field, int width, int16_t& status)
{
    std::memset(field, ' ', static_cast<size_t>(width));
    int n = 0;
    status = StatusSuccess;
    Reader.lineOutside1252 = false;
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
        if (Reader.utf8 && std::memchr(start, OutsideMark, static_cast<size_t>(taken)) != nullptr)
            Reader.lineOutside1252 = true;
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

bool LineOutside1252()
{
    return Reader.lineOutside1252;
}

void CloseListFile(ListFile& file)
{
    if (file.handle >= 0)
        CloseRaw(file.handle);
    file.handle = -1;
}
