// Whether sixteen bytes are compared at a time with the processor's SSE2 instructions. A build defining
// PENMAR_PORTABLE_LANES uses the portable path instead, as a build for a processor without them does.
#pragma once
#if !defined(PENMAR_PORTABLE_LANES) && \
    (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2))
#define PENMAR_SIXTEEN_LANES 1
#include <emmintrin.h>
#endif
