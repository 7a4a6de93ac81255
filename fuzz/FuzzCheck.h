#pragma once

// A property every fuzz target asserts: a broken one names itself and aborts,
// which libFuzzer reports with the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace korvan::fuzz {

inline void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace korvan::fuzz
