// Command lines as the benchmark programs take them: the required arguments, then one optional count.
#pragma once
#include <cstdio>
#include <cstdlib>

// True, after the usage line is printed, when fewer than `required` arguments were given.
inline bool MissingArguments(int argc, int required, const char* usage)
{
    if (argc > required)
        return false;
    std::fprintf(stderr, "usage: %s\n", usage);
    return true;
}

// The count argument at `index`, or `fallback` when it was left out.
inline long OptionalCount(int argc, char** argv, int index, long fallback)
{
    return argc > index ? std::atol(argv[index]) : fallback;
}
