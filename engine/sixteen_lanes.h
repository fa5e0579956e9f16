// Whether sixteen bytes are compared at a time with the processor's SSE2 instructions. A build defining
// PENMAR_PORTABLE_LANES uses the portable path instead, as a build for a processor without them does.
// The Windows programs are built for SSE2 (every Windows from 8 on requires it): a build that lost the
// flag stops here rather than ship the slower path without a word.
#pragma once
#if !defined(PENMAR_PORTABLE_LANES) && \
    (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2))
#define PENMAR_SIXTEEN_LANES 1
#include <emmintrin.h>
#elif defined(_WIN32) && !defined(PENMAR_PORTABLE_LANES)
#error "The Windows programs are built for SSE2: compile with -msse2 (or /arch:SSE2)"
#endif
