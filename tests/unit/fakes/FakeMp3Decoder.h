#pragma once
#include "core/platform/Mp3Decoder.h"

namespace quill::test {

// Decodes to as much PCM as it may, of one repeated byte; refuses when told to.
struct FakeMp3Decoder : Mp3Decoder {
    bool refuse = false;
    Mp3Format format;
    std::string frames;
    std::optional<std::string> Decode(const Mp3Format& f, std::string_view in, std::size_t maxPcmBytes) override {
        format = f, frames = in;
        return refuse ? std::nullopt : std::optional<std::string>(std::string(maxPcmBytes, '\x11'));
    }
};

}  // namespace quill::test
