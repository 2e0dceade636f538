#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "make-buttons/Canvas.h"

namespace quill::buttons {

// An uncompressed 24-bit Windows bitmap, rows bottom-up, little-endian whatever the host.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

// False when the file cannot be created or fully written.
bool WriteBmpFile(const std::filesystem::path& path, const Canvas& canvas);

}  // namespace quill::buttons
