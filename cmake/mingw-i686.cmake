# The 32-bit Windows programs (the shipped build).
set(PENMAR_MINGW_PROCESSOR i686)
set(PENMAR_WINE_BITS 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
