#pragma once
#include <string>

#include "core/platform/Clock.h"
#include "core/platform/Files.h"

namespace quill {

// "Quillares.log" in the program folder: one dated line per entry, current run only.
class Log {
public:
    Log(Files& files, Clock& clock, const std::string& programFolder)
        : files_(files), clock_(clock), programFolder_(programFolder) {}

    // "START" deletes the log instead of writing a line.
    void WriteLog(const std::string& text);

    std::string Path() const { return programFolder_ + "Quillares.log"; }

    static std::string FormatLine(const LocalTime& t, const std::string& text);

private:
    Files& files_;
    Clock& clock_;
    const std::string& programFolder_;
};

}  // namespace quill
