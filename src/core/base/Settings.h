#pragma once
#include <string>

#include "core/base/Shared.h"
#include "core/platform/Profile.h"

namespace quill {

// The settings files in the program folder, read and written one key at a time.
class Settings {
public:
    static constexpr std::size_t kBufferChars = 512;

    // Files are named relative to shared.ProgramFolder; the current one is shared.IniName.
    Settings(Profile& profile, const Shared& shared) : profile_(profile), shared_(shared) {}

    std::string ReadIniFile(const std::string& file, const std::string& section, const std::string& key);
    void WriteIniFile(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);
    // On the current file, IniName.
    std::string ReadIni(const std::string& section, const std::string& key);
    void WriteIni(const std::string& section, const std::string& key, const std::string& value);

private:
    Profile& profile_;
    const Shared& shared_;
};

}  // namespace quill
