#pragma once
#include <optional>
#include <string>

#include "core/base/Log.h"
#include "core/platform/Files.h"
#include "core/platform/TextCodec.h"

namespace quill {

// The tone files as the catalogue, the player and the panels see them. Every reader
// treats a file as untrusted: a bad one is refused whole, never half read.
class ToneFiles {
public:
    // Titles and a container's text are ANSI on disk and UTF-8 inside the program; codec converts.
    ToneFiles(Files& files, Log& log, TextCodec& codec) : files_(files), log_(log), codec_(codec) {}

    // "" when missing or unusable (logged), "@" for a plain tone (not read), otherwise
    // the stored title, which may itself be "".
    std::string ReadToneTitle(const std::string& path);

    // Turns the WAVE at path, in place, into a container that speaks synthText.
    // false: not a WAVE (logged, file untouched) or the write failed.
    bool WrapToneFile(const std::string& path, const std::string& synthText);

    // The WAVE image inside a Skype tone file or a container; nullopt when there is no
    // playable one. A plain tone has nothing to extract: it is played as it is.
    std::optional<std::string> ExtractAudio(const std::string& path);

    // The text of a file that holds a container, whatever its name; nullopt otherwise.
    std::optional<std::string> ReadContainerText(const std::string& path);

private:
    void LogInvalid(const std::string& path);

    Files& files_;
    Log& log_;
    TextCodec& codec_;
};

}  // namespace quill
