#pragma once
#include <string>

#include "core/base/IniFiles.h"
#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/platform/Files.h"
#include "core/platform/TextCodec.h"

namespace quill {

// The settings files in the program folder, read and written one key at a time.
class Settings {
public:
    static constexpr std::size_t kBufferChars = 512;

    // Files are named relative to shared.ProgramFolder; the current one is shared.IniName.
    // A save that fails is logged.
    Settings(Files& files, TextCodec& codec, Log& log, const Shared& shared)
        : files_(files, codec, log), shared_(shared) {}

    std::string ReadIniFile(const std::string& file, const std::string& section, const std::string& key);
    void WriteIniFile(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);
    // On the current file, IniName.
    std::string ReadIni(const std::string& section, const std::string& key);
    void WriteIni(const std::string& section, const std::string& key, const std::string& value);

private:
    friend class SettingsBatch;
    IniFiles files_;
    const Shared& shared_;
};

// The writes made while one lives are saved together when the outermost one ends.
class SettingsBatch {
public:
    explicit SettingsBatch(Settings& settings) : files_(settings.files_) { files_.BeginBatch(); }
    ~SettingsBatch() { files_.EndBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    IniFiles& files_;
};

}  // namespace quill
