#pragma once
#include <string>
#include <string_view>

namespace quill {

// A complete WAVE file around 16-bit interleaved PCM, as the player's scratch file holds it.
std::string PcmWave(int sampleRate, int channels, std::string_view pcm);

// Decoded tones stop here, so a long or lying file cannot fill the memory or the disk.
inline constexpr int kMaxDecodedSeconds = 10 * 60;

}  // namespace quill
