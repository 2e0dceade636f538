#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// What the first frame of an MPEG layer III stream says; every frame handed on agrees.
struct Mp3Format {
    int sampleRate = 0;
    int channels = 0;
    int bitrateKbps = 0;     // the first frame's; a variable rate stream changes it
    int samplesPerFrame = 0;  // 1152 (MPEG 1) or 576 (MPEG 2 and 2.5)
};

// The system's MP3 codec.
class Mp3Decoder {
public:
    virtual ~Mp3Decoder() = default;
    // frames: whole frames only, headers checked. The 16-bit interleaved PCM they decode to,
    // never more than maxPcmBytes; nullopt when the codec cannot be had or refuses them.
    virtual std::optional<std::string> Decode(const Mp3Format& format, std::string_view frames,
                                              std::size_t maxPcmBytes) = 0;
};

}  // namespace quill
