#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace skypesim {

// Commands that arrived since the last satisfied expect, so an expect step also sees
// commands that came in before it started.
class ExpectTracker {
public:
    static constexpr std::size_t kMaxPendingCommands = 1000;
    // Enough for any expect text, which is one scenario line.
    static constexpr std::size_t kStoredBytes = 4096;

    // False when the oldest pending command had to be dropped to stay within the bound.
    bool RecordCommand(std::string_view command);
    // Finds the earliest pending command starting with `prefix`; it and everything before it are used up.
    bool TakeCommand(std::string_view prefix, std::string* matched);
    void Clear() { pending_.clear(); }

private:
    std::deque<std::string> pending_;
};

}  // namespace skypesim
