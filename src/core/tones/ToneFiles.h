#pragma once
#include <optional>
#include <string>

#include "core/base/Log.h"
#include "core/platform/Files.h"
#include "core/platform/Mp3Decoder.h"
#include "core/platform/TextCodec.h"
#include "core/tones/ToneKind.h"

namespace quill {

// The tone files as the catalogue, the player and the panels see them. Every reader
// treats a file as untrusted: a bad one is refused whole, never half read.
class ToneFiles {
public:
    // Titles and a container's text are ANSI on disk and UTF-8 inside the program; codec converts.
    ToneFiles(Files& files, Log& log, TextCodec& codec, Mp3Decoder& mp3)
        : files_(files), log_(log), codec_(codec), mp3_(mp3) {}

    // "" when missing or unusable (logged), "@" for a plain tone (not read) and for an MP3 or
    // Ogg file without a title tag, otherwise the stored title, which may itself be "".
    std::string ReadToneTitle(const std::string& path);

    // Turns the WAVE at path, in place, into a container that speaks synthText.
    // false: not a WAVE (logged, file untouched) or the write failed.
    bool WrapToneFile(const std::string& path, const std::string& synthText);

    // The WAVE image inside a Skype tone file or a container, or decoded from an MP3 or Ogg
    // file; nullopt when there is no playable one. A plain tone has nothing to extract: it is
    // played as it is.
    std::optional<std::string> ExtractAudio(const std::string& path) { return ExtractAudio(path, KindOf(path)); }

    // Whether the file at path, read as kind, would play: its audio is extracted (a plain tone
    // must be a WAVE).
    bool IsPlayable(const std::string& path, ToneKind kind);

    // The text of a file that holds a container, whatever its name; nullopt otherwise.
    std::optional<std::string> ReadContainerText(const std::string& path);

private:
    void LogInvalid(const std::string& path);
    std::optional<std::string> ExtractAudio(const std::string& path, ToneKind kind);

    Files& files_;
    Log& log_;
    TextCodec& codec_;
    Mp3Decoder& mp3_;
};

}  // namespace quill
