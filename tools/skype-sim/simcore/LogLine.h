#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace skypesim {

enum class LogKind { In, Out, Discover, Attach, Step, Note };
const char* LogKindName(LogKind kind);

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// "hh:mm:ss.mmm DIR text", without the line end; text is escaped so the line stays one line.
std::string FormatLogLine(const TimeOfDay& time, LogKind kind, std::string_view text);

// Window handles as the log shows them: "0x1a2b".
std::string FormatWindow(std::uint64_t window);

}  // namespace skypesim
