#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/Mp3Decoder.h"
#include "core/tones/ToneFileReader.h"

namespace quill {

// An MP3 file: an optional ID3v2 tag, then MPEG layer III frames, then perhaps other tags.
// The frames are found and checked here; only their decoding is the system's.

struct Mp3Frame {
    Mp3Format format;
    std::uint32_t bytes = 0;  // the whole frame, header included
    bool mpeg1 = false;
    bool mono = false;
};
// The frame whose header is the four bytes at the start of b; nullopt when they are none.
std::optional<Mp3Frame> ParseMp3Frame(std::string_view b);

// nullopt: no frames where they should be. Otherwise the tag's title, "" without one.
std::optional<std::string> Mp3Title(const ToneFileReader& file);
// The WAVE image of the frames, at most kMaxDecodedSeconds; nullopt when there is no
// playable audio.
std::optional<std::string> Mp3Audio(const ToneFileReader& file, Mp3Decoder& decoder);

}  // namespace quill
