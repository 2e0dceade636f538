#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "simcore/Scenario.h"

namespace skypesim {

inline constexpr std::size_t kMaxScenarioBytes = 1024 * 1024;
inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr std::uint64_t kMaxMilliseconds = 24ull * 60 * 60 * 1000;
inline constexpr std::uint64_t kMaxRefuseCount = 1000000;
// A contact list as long as any real one, and no longer: the answers stay within bounds.
inline constexpr std::uint64_t kMaxContacts = 50000;

struct ParseError {
    int line = 0;  // 0: the file as a whole
    std::string message;
};

struct ParseOutcome {
    Scenario scenario;
    std::optional<ParseError> error;
};

ParseOutcome ParseScenario(std::string_view text);

// "file:line: message", or "file: message" for errors about the whole file.
std::string FormatParseError(std::string_view file, const ParseError& error);

}  // namespace skypesim
