// A property of the code under test that an input broke: named on standard error, then the run aborts, so
// that libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0    \
                 : (std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition), std::abort()))
