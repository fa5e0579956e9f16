// What a fuzz target does when a result breaks a promise of the code under test: report and abort,
// so that libFuzzer keeps the input that did it.
#pragma once
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                 \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);      \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)
