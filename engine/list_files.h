// The four word-list files in the fixed folder C:\ZOLT\SPELL\, and the line reader shared by their loaders.
#pragma once
#include <cstdint>

#include "engine_status.h"

const int ListPathWidth = 128;

// Paths as the program holds them: 128-character blank-padded fields.
void SpellListPath(char* field);
void LocalListPath(char* field);
void MisspellListPath(char* field);
void PrefixListPath(char* field);

// On a host without drive letters "C:\" stands for ~/.wine/drive_c. The tests and the bench tools make
// it stand for another folder; an empty or null folder restores the default.
void SetDriveRoot(const char* folder);

// Turns a fixed path field into the name the host opens; false when the name does not fit.
bool HostPathOf(const char* pathField, char* hostPath, int hostPathSize);

struct ListFile {
    int handle;
};

// A list file is read as UTF-8 when it begins with UTF-8's byte order mark (which is then no part of the
// first line), or when it is valid UTF-8 that holds bytes of 128 or above; otherwise as Windows-1252,
// byte for byte. A UTF-8 file's characters become their Windows-1252 bytes (U+2019 the apostrophe).
// Bytes after a Ctrl-Z do not count.
void OpenListFile(const char* pathField, ListFile& file, int16_t& status);
// ReadListLine's status when the file has no further line: a success, since nothing failed.
const int16_t StatusEndOfFile = -1;

// Status 0 when a line was read, StatusEndOfFile at the end of the file, a positive error number when
// reading failed.
void ReadListLine(ListFile& file, char* field, int width, int16_t& status);
// Whether the line read last holds a character that Windows-1252 lacks, or bytes that are not UTF-8 in
// a file read as UTF-8: such a line is no word of the engine's.
bool LineOutside1252();
void CloseListFile(ListFile& file);

// Whether the list file would be read as UTF-8; false for a file that cannot be opened or read.
bool ListFileInUtf8(const char* pathField);
