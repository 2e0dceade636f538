#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "simcore/LogLine.h"

namespace skypesim {

// Every traffic line goes to the log file when one is asked for, else to stdout; flushed per
// line so a killed simulator leaves a complete log. Not both: with thousands of contacts the
// second copy was a write per message for nobody.
class LogOutput {
public:
    LogOutput() = default;
    LogOutput(const LogOutput&) = delete;
    LogOutput& operator=(const LogOutput&) = delete;
    ~LogOutput();

    bool OpenFile(const std::string& utf8Path);  // appends
    void Write(LogKind kind, std::string_view text);

private:
    std::FILE* file_ = nullptr;
};

}  // namespace skypesim
