# The 32-bit Windows programs (the shipped build).
set(PENMAR_MINGW_PROCESSOR i686)
set(PENMAR_WINE_BITS 32)
# Every Windows from 8 on requires SSE2: the programs use it for the engine's sixteen-lane comparisons and
# for floating point (instead of the x87 unit). Functions realign the stack where the system's callers
# leave it 4-byte aligned (-mstackrealign, on by default for this target with SSE).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
