#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/tones/ToneFileReader.h"

namespace quill {

// A Skype tone file is a header of no fixed layout followed by a complete WAVE image.
// Only what the program relies on is decoded: the title near the top, and where the
// image starts.

// The title within the header window (the bytes from offset 9); "" when there is none.
std::string SkypeTitleFromWindow(std::string_view window);

// nullopt only when the file cannot be read.
std::optional<std::string> SkypeTitle(const ToneFileReader& file);
// From the first "RIFF" in the first 1024 bytes to the end; nullopt when there is none.
std::optional<std::string> SkypeAudio(const ToneFileReader& file);

}  // namespace quill
