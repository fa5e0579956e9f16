// Small owners of system resources: each releases what it holds when it goes out of scope, so that
// a function with several early returns needs no cleanup on each of them.
#pragma once
#include <windows.h>

// A kernel handle such as a file from CreateFileW. Null and INVALID_HANDLE_VALUE hold nothing.
class HandleHolder {
public:
    explicit HandleHolder(HANDLE handle) : handle_(handle) {}
    ~HandleHolder() { Close(); }
    HandleHolder(const HandleHolder&) = delete;
    HandleHolder& operator=(const HandleHolder&) = delete;

    bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

    // Closes at once; false when closing failed (the last buffered writes of a file may fail only here).
    bool Close()
    {
        if (!IsValid())
            return true;
        HANDLE handle = handle_;
        handle_ = nullptr;
        return CloseHandle(handle) != FALSE;
    }

private:
    HANDLE handle_;
};

// Owns a handle that Release frees at scope end; null holds nothing.
template <typename Handle, void (*Release)(Handle)>
class ReleasedHolder {
public:
    explicit ReleasedHolder(Handle handle) : handle_(handle) {}
    ~ReleasedHolder()
    {
        if (handle_ != nullptr)
            Release(handle_);
    }
    ReleasedHolder(const ReleasedHolder&) = delete;
    ReleasedHolder& operator=(const ReleasedHolder&) = delete;

    bool IsValid() const { return handle_ != nullptr; }
    Handle Get() const { return handle_; }

private:
    Handle handle_;
};

inline void FreeGlobalMemory(HGLOBAL memory) { GlobalFree(memory); }
inline void DeletePrinterDC(HDC printer) { DeleteDC(printer); }
inline void CloseRegistryKey(HKEY key) { RegCloseKey(key); }

// A zero-filled fixed block from GlobalAlloc (GPTR), for text handed to and from the system.
class GlobalMemoryHolder : public ReleasedHolder<HGLOBAL, FreeGlobalMemory> {
public:
    explicit GlobalMemoryHolder(SIZE_T size) : ReleasedHolder(GlobalAlloc(GPTR, size)) {}
    char* Text() const { return static_cast<char*>(Get()); }
};

// A block of the process heap for a text, freed at scope end; null when none is held or no memory
// could be had.
template <typename Unit>
class HeapText {
public:
    HeapText() : text_(nullptr) {}
    explicit HeapText(SIZE_T units) : text_(nullptr) { Allocate(units); }
    ~HeapText() { Free(); }
    HeapText(const HeapText&) = delete;
    HeapText& operator=(const HeapText&) = delete;

    // Holds a new block in place of the one it held; false when no memory could be had.
    bool Allocate(SIZE_T units)
    {
        Free();
        text_ = static_cast<Unit*>(HeapAlloc(GetProcessHeap(), 0, units * sizeof(Unit)));
        return text_ != nullptr;
    }
    // Holds the other's block in place of its own; the other holds none.
    void TakeFrom(HeapText& other)
    {
        Free();
        text_ = other.text_;
        other.text_ = nullptr;
    }
    bool IsValid() const { return text_ != nullptr; }
    Unit* Get() const { return text_; }

private:
    void Free()
    {
        if (text_ != nullptr)
            HeapFree(GetProcessHeap(), 0, text_);
        text_ = nullptr;
    }

    Unit* text_;
};

// A printer's device context, as the Print dialog hands it back; deleted at scope end.
using PrinterDCHolder = ReleasedHolder<HDC, DeletePrinterDC>;
// An open registry key; closed at scope end.
using RegistryKeyHolder = ReleasedHolder<HKEY, CloseRegistryKey>;
