#pragma once
#include <string>

#include "core/platform/Mp3Decoder.h"

namespace quill::test {

// Decodes each frame to its samples of one repeated byte; refuses when told to.
class FakeMp3Decoder : public Mp3Decoder {
public:
    bool refuse = false;
    int calls = 0;
    Mp3Format format;
    std::string frames;
    std::optional<std::string> Decode(const Mp3Format& f, std::string_view in, std::size_t maxPcmBytes) override {
        ++calls;
        format = f;
        frames = std::string(in);
        if (refuse) return std::nullopt;
        return std::string(maxPcmBytes, '\x11');
    }
};

}  // namespace quill::test
