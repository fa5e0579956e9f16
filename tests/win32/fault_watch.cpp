// Fails a test during which the program faulted, even where nobody saw it: the system runs window
// procedures inside an exception handler that swallows a fault raised there (Wine logs "ignoring
// exception" and goes on), so a crash in a window procedure would otherwise pass as a success.
// Linked into every Win32 test program; a vectored handler sees each exception before any handler.
#include <windows.h>
#include <gtest/gtest.h>

namespace {

volatile LONG faultCount = 0;
DWORD firstFaultCode = 0;
void* firstFaultAddress = nullptr;

bool IsFault(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
        return true;
    default:
        return false;
    }
}

LONG CALLBACK NoteFault(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if (IsFault(record->ExceptionCode) && InterlockedIncrement(&faultCount) == 1) {
        firstFaultCode = record->ExceptionCode;
        firstFaultAddress = record->ExceptionAddress;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

class FaultWatch : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { faultCount = 0; }

    // End events reach this listener before the printer, so the failure shows with the test.
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        if (faultCount != 0)
            ADD_FAILURE() << faultCount << " fault(s) during the test, the first one 0x" << std::hex
                          << firstFaultCode << " at " << firstFaultAddress;
    }
};

const bool watching = [] {
    AddVectoredExceptionHandler(1, NoteFault);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FaultWatch);
    return true;
}();

} // namespace
