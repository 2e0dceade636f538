#pragma once
#include "core/platform/Mp3Decoder.h"

namespace quill::win32 {

// MP3 through the Audio Compression Manager: Windows and Wine both ship a layer III codec.
class AcmMp3Decoder : public Mp3Decoder {
public:
    std::optional<std::string> Decode(const Mp3Format& format, std::string_view frames,
                                      std::size_t maxPcmBytes) override;
};

}  // namespace quill::win32
