// Small owners of system resources: each releases what it holds when it goes out of scope, so that
// a function with several early returns needs no cleanup on each of them.
#pragma once
#include <windows.h>

// A kernel handle such as a file from CreateFileA. Null and INVALID_HANDLE_VALUE hold nothing.
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

// A zero-filled fixed block from GlobalAlloc (GPTR), for text handed to and from the system.
class GlobalMemoryHolder {
public:
    explicit GlobalMemoryHolder(SIZE_T size) : memory_(GlobalAlloc(GPTR, size)) {}
    ~GlobalMemoryHolder()
    {
        if (memory_ != nullptr)
            GlobalFree(memory_);
    }
    GlobalMemoryHolder(const GlobalMemoryHolder&) = delete;
    GlobalMemoryHolder& operator=(const GlobalMemoryHolder&) = delete;

    bool IsValid() const { return memory_ != nullptr; }
    char* Text() const { return static_cast<char*>(memory_); }

private:
    HGLOBAL memory_;
};

// A printer's device context, as the Print dialog hands it back; deleted at scope end.
class PrinterDCHolder {
public:
    explicit PrinterDCHolder(HDC printer) : printer_(printer) {}
    ~PrinterDCHolder()
    {
        if (printer_ != nullptr)
            DeleteDC(printer_);
    }
    PrinterDCHolder(const PrinterDCHolder&) = delete;
    PrinterDCHolder& operator=(const PrinterDCHolder&) = delete;

    bool IsValid() const { return printer_ != nullptr; }
    HDC Get() const { return printer_; }

private:
    HDC printer_;
};
