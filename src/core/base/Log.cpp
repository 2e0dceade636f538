#include "core/base/Log.h"

#include <cstdio>

namespace quill {

std::string Log::FormatLine(const LocalTime& t, const std::string& text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d-%02d-%04d %02d:%02d:%02d\t", t.month, t.day, t.year,
                  t.hour, t.minute, t.second);
    std::string line = stamp + text;
    for (std::size_t i = sizeof "mm-dd-yyyy hh:mm:ss"; i < line.size(); ++i)
        if (line[i] == '\r' || line[i] == '\n') line[i] = ' ';
    return line + "\r\n";
}

void Log::WriteLog(const std::string& text) {
    if (text == "START") {
        files_.Delete(Path());
        written_ = 0;
        return;
    }
    Append(text);
}

std::string Log::Cut(const std::string& text) {
    if (text.size() <= kMaxDataBytes) return text;
    std::size_t cut = kMaxDataBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
    return text.substr(0, cut) + " [cut at " + std::to_string(kMaxDataBytes) + " of " + std::to_string(text.size()) +
           " bytes]";
}

void Log::Append(const std::string& text) {
    std::string line = FormatLine(clock_.Now(), text);
    if (written_ + line.size() > kMaxBytes) {
        files_.Delete(Path());
        written_ = 0;
        std::string restart = FormatLine(clock_.Now(), "Quillares: log started over, it had reached " +
                                                           std::to_string(kMaxBytes) + " bytes");
        if (files_.Append(Path(), restart)) written_ += restart.size();
    }
    // A log that cannot be opened loses the line; nothing else depends on it.
    if (files_.Append(Path(), line)) written_ += line.size();
}

}  // namespace quill
