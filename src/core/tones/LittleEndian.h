#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

// The tone formats store every integer as a signed 32-bit little-endian value.
inline std::int32_t DecodeInt32(std::string_view four) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(four[i]);
    return static_cast<std::int32_t>(value);
}

inline void AppendInt32(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

}  // namespace quill
