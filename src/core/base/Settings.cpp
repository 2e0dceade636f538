#include "core/base/Settings.h"

#include "core/base/Text.h"

namespace quill {

std::string Settings::ReadIniFile(const std::string& file, const std::string& section, const std::string& key) {
    auto stored = files_.Read(shared_.ProgramFolder + file, section, key);
    std::string value = stored ? ProfileValue(*stored, kBufferChars) : std::string();
    CutAtNul(value);
    return value;
}

namespace {

// A line break inside a value would start a line of its own in the file: a new key or section
// taken from outside text.
std::string OneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

}  // namespace

void Settings::WriteIniFile(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) {
    files_.Write(shared_.ProgramFolder + file, OneLine(section), OneLine(key), OneLine(value));
}

std::string Settings::ReadIni(const std::string& section, const std::string& key) {
    return ReadIniFile(shared_.IniName, section, key);
}

void Settings::WriteIni(const std::string& section, const std::string& key, const std::string& value) {
    WriteIniFile(shared_.IniName, section, key, value);
}

}  // namespace quill
