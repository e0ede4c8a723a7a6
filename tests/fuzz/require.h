#pragma once

#include <cstdio>
#include <cstdlib>

// A promise of the code under test that an input breaks is a finding like a
// crash: aborting makes libFuzzer keep the input and fails the replay test.
inline void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
    std::abort();
}
