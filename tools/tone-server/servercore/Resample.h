#pragma once
#include <cstdint>
#include <vector>

namespace quill::toneserver {

// Mono 16-bit samples from one rate to another (soxr, medium quality: plenty for speech).
// Empty when the resampler fails.
std::vector<std::int16_t> Resample(const std::vector<std::int16_t>& in, int fromRate, int toRate);

}  // namespace quill::toneserver
