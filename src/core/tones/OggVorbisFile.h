#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/tones/ToneFileReader.h"

namespace quill {

// An Ogg Vorbis file: pages of one logical stream, whose first packet names the codec and
// whose second holds the comments ("TITLE=...").

// The first two packets of the stream that starts head, each cut at what head holds;
// nullopt when head does not start with a Vorbis stream.
struct VorbisHeaders {
    std::string identification;
    std::string comments;  // "" when head ends before it does
    bool commentsWhole = false;
};
std::optional<VorbisHeaders> ReadVorbisHeaders(std::string_view head);
// The TITLE comment; "" when there is none or the packet is cut short.
std::string VorbisTitle(std::string_view commentPacket);
// Whether every length in the comment packet lies inside it and the copies the decoder makes
// of the comments take at most budget bytes.
bool VorbisCommentsFit(std::string_view commentPacket, std::uint64_t budget);

// nullopt: not a Vorbis stream. Otherwise its title, "" without one.
std::optional<std::string> OggTitle(const ToneFileReader& file);
// The WAVE image of the stream, at most kMaxDecodedSeconds, in mono or stereo (more channels
// are mixed down); nullopt when the stream does not decode.
std::optional<std::string> OggAudio(const ToneFileReader& file);

}  // namespace quill
