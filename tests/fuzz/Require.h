#pragma once
#include <cstdio>
#include <cstdlib>

namespace quill::fuzz {

// A promise the code under fuzzing keeps whatever the input; a broken one stops the run.
inline void Require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

}  // namespace quill::fuzz
