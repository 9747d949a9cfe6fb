#pragma once

#include <cstdio>
#include <cstdlib>

// What a target holds of every input: when it breaks, the run stops and says what broke, and
// libFuzzer keeps the input that did it.
inline void require(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}
