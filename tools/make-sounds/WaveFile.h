#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quill::sounds {

// PCM mono 16-bit, canonical 44-byte header, little-endian whatever the host.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

// False when the file cannot be created or fully written.
bool WriteWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int sampleRate);

// The same wave wrapped in a tone container whose text is title.
bool WriteToneContainer(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                        int sampleRate, const std::string& title);

}  // namespace quill::sounds
