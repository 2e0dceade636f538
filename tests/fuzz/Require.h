#pragma once
#include <cstdio>
#include <cstdlib>

namespace quill::fuzz {

// A promise a reader makes whatever its input; a broken one stops the fuzzer on the input.
inline void Require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

}  // namespace quill::fuzz
