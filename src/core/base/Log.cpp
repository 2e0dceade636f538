#include "core/base/Log.h"

#include <cstdio>

namespace quill {

std::string Log::FormatLine(const LocalTime& t, const std::string& text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d-%02d-%04d %02d:%02d:%02d\t", t.month, t.day, t.year,
                  t.hour, t.minute, t.second);
    return stamp + text + "\r\n";
}

void Log::WriteLog(const std::string& text) {
    if (text == "START") {
        files_.Delete(Path());
        return;
    }
    // A log that cannot be opened loses the line; nothing else depends on it.
    files_.Append(Path(), FormatLine(clock_.Now(), text));
}

}  // namespace quill
