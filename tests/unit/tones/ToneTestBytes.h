#pragma once
#include <cstdint>
#include <string>

#include "core/tones/LittleEndian.h"

namespace quill::test {

inline const std::string kNul(1, '\0');

inline std::string Int32Bytes(std::int32_t value) {
    std::string out;
    AppendInt32(out, value);
    return out;
}

// A WAVE of exactly `bytes` bytes (at least 12) whose body differs at every offset.
inline std::string MakeWave(std::size_t bytes) {
    std::string wave = "RIFF" + Int32Bytes(static_cast<std::int32_t>(bytes - 8)) + "WAVE";
    for (std::size_t i = wave.size(); i < bytes; ++i) wave.push_back(static_cast<char>(i * 7));
    return wave;
}

inline std::string MakeContainer(const std::string& opaque, const std::string& text,
                                 const std::string& wave) {
    return "QUILLARE" + Int32Bytes(static_cast<std::int32_t>(opaque.size())) + opaque +
           Int32Bytes(static_cast<std::int32_t>(text.size())) + text +
           Int32Bytes(static_cast<std::int32_t>(wave.size() - 4)) + wave.substr(4);
}

// The 9 bytes no reader looks at, then `header`, then the image.
inline std::string MakeSkypeFile(const std::string& header, const std::string& wave) {
    return std::string(9, '\x01') + header + wave;
}

}  // namespace quill::test
