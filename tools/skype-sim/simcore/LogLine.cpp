#include "simcore/LogLine.h"

#include <cstdio>

#include "simcore/Text.h"

namespace skypesim {

const char* LogKindName(LogKind kind) {
    switch (kind) {
        case LogKind::In: return "IN";
        case LogKind::Out: return "OUT";
        case LogKind::Discover: return "DISCOVER";
        case LogKind::Attach: return "ATTACH";
        case LogKind::Step: return "STEP";
        case LogKind::Note: return "NOTE";
    }
    return "NOTE";
}

std::string FormatLogLine(const TimeOfDay& time, LogKind kind, std::string_view text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d ", time.hour % 100, time.minute % 100,
                  time.second % 100, time.millisecond % 1000);
    return stamp + std::string(LogKindName(kind)) + " " + EscapeForLog(text);
}

std::string FormatWindow(std::uint64_t window) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(window));
    return text;
}

}  // namespace skypesim
