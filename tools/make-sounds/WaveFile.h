#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace quill::sounds {

// PCM mono 16-bit, canonical 44-byte header, little-endian whatever the host.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

// False when the file cannot be created or fully written.
bool WriteWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int sampleRate);

}  // namespace quill::sounds
