# The 64-bit Windows programs: the test build on hosts that run no 32-bit code.
set(PENMAR_MINGW_PROCESSOR x86_64)
set(PENMAR_WINE_BITS 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
