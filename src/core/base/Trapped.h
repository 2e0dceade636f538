#pragma once
#include <exception>

namespace quill {

// Runs one step with its errors trapped: a failing step is skipped and the caller goes on.
template <class F>
bool Trapped(F&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace quill
