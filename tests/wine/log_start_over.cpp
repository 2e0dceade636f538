// Writes the log through the program's own adapters past its bound, then checks the file: it
// started over, holds no more than the bound, and ends with the last line written.
// Usage: log_start_over.exe <folder>
#include <cstdio>

#include "WineSettings.h"

int main(int argc, char** argv) {
    using namespace quill;
    wine::Engine engine(wine::FolderArgument(argc, argv));
    Log& log = engine.log;
    log.WriteLog("START");
    const std::string filler(100, 'x');
    const std::size_t lines = Log::kMaxBytes / filler.size() + 10;
    for (std::size_t i = 0; i < lines; ++i) log.WriteLog("line " + std::to_string(i) + " " + filler);
    const std::string text = engine.files.Read(log.Path(), 0, 2 * Log::kMaxBytes).value_or("");
    const std::string last = "line " + std::to_string(lines - 1) + " " + filler + "\r\n";
    const bool startedOver = text.substr(0, text.find("\r\n")).find("log started over") != std::string::npos;
    const bool ok = startedOver && text.size() <= Log::kMaxBytes && EndsWith(text, last);
    std::printf("log: %zu bytes, started over: %s, ends with the last line: %s\n", text.size(),
                startedOver ? "yes" : "no", EndsWith(text, last) ? "yes" : "no");
    return ok ? 0 : 1;
}
