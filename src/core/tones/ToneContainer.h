#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/tones/ToneFileReader.h"

namespace quill {

// A container is the magic, then three fields each led by its int32 length: an opaque
// field no reader interprets, the text the tone speaks, and the source WAVE less its
// leading "RIFF".
inline constexpr std::string_view kContainerMagic = "QUILLARE";

// Where a container's fields lie; every one has been checked to lie inside the file.
struct ContainerLayout {
    std::uint64_t textOffset = 0;
    std::uint64_t textLength = 0;
    std::uint64_t payloadOffset = 0;
    std::uint64_t payloadLength = 0;
};

// nullopt: wrong magic, or a length that is negative or runs past the end of the file.
std::optional<ContainerLayout> LocateContainer(const ToneFileReader& file);

std::optional<std::string> ContainerText(const ToneFileReader& file);
// The source WAVE, byte for byte.
std::optional<std::string> ContainerAudio(const ToneFileReader& file);

// With an empty opaque field; wavBody is the WAVE without its first four bytes.
std::string BuildContainer(std::string_view text, std::string_view wavBody);

}  // namespace quill
