#pragma once
#include <string>

#include "core/platform/Profile.h"

namespace quill {

// The settings files in the program folder, read and written one key at a time.
class Settings {
public:
    static constexpr std::size_t kBufferChars = 512;

    Settings(Profile& profile, const std::string& programFolder, const std::string& iniName)
        : profile_(profile), programFolder_(programFolder), iniName_(iniName) {}

    std::string ReadIniFile(const std::string& file, const std::string& section, const std::string& key);
    void WriteIniFile(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);
    // On the current file, IniName.
    std::string ReadIni(const std::string& section, const std::string& key);
    void WriteIni(const std::string& section, const std::string& key, const std::string& value);

private:
    Profile& profile_;
    const std::string& programFolder_;
    const std::string& iniName_;
};

}  // namespace quill
