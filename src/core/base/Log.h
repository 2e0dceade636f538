#pragma once
#include <cstdint>
#include <string>

#include "core/base/Shared.h"
#include "core/platform/Clock.h"
#include "core/platform/Files.h"

namespace quill {

// "Quillares.log" in the program folder: one dated line per entry, current run only.
class Log {
public:
    // A tray program runs for months: past this the log of the run starts over.
    static constexpr std::uint64_t kMaxBytes = 8ull << 20;

    // The log lives in shared.ProgramFolder, which start-up fills in after construction.
    Log(Files& files, Clock& clock, const Shared& shared) : files_(files), clock_(clock), shared_(shared) {}

    // Outside text (Skype's, the server's) keeps the start of a longer one.
    static constexpr std::size_t kMaxDataBytes = 2000;

    // "START" deletes the log instead of writing a line. Line breaks in text become blanks, so
    // outside text cannot write lines of its own.
    void WriteLog(const std::string& text);
    // A line of outside text after the program's own words: the text is cut at kMaxDataBytes,
    // and the line is never taken as "START".
    void WriteLogData(const std::string& words, const std::string& text) { Append(words + Cut(text)); }
    // The first kMaxDataBytes of text in whole characters, marked as cut.
    static std::string Cut(const std::string& text);

    std::string Path() const { return shared_.ProgramFolder + "Quillares.log"; }

    static std::string FormatLine(const LocalTime& t, const std::string& text);

private:
    void Append(const std::string& text);

    Files& files_;
    Clock& clock_;
    const Shared& shared_;
    std::uint64_t written_ = 0;  // by this run since the log was last started
};

}  // namespace quill
