#include "win32/LogOutput.h"

#include <windows.h>

#include "win32/WideText.h"

namespace skypesim {

LogOutput::~LogOutput() {
    if (file_ != nullptr) std::fclose(file_);
}

bool LogOutput::OpenFile(const std::string& utf8Path) {
    file_ = _wfopen(WideFromUtf8(utf8Path).c_str(), L"ab");
    return file_ != nullptr;
}

void LogOutput::Write(LogKind kind, std::string_view text) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const TimeOfDay time{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
    const std::string line = FormatLogLine(time, kind, text) + "\n";
    std::FILE* to = file_ != nullptr ? file_ : stdout;
    std::fwrite(line.data(), 1, line.size(), to);
    std::fflush(to);
}

}  // namespace skypesim
