#include "servercore/Resample.h"

#include <soxr.h>

namespace quill::toneserver {

std::vector<std::int16_t> Resample(const std::vector<std::int16_t>& in, int fromRate, int toRate) {
    if (in.empty() || fromRate <= 0 || toRate <= 0) return {};
    std::vector<std::int16_t> out(in.size() * static_cast<std::size_t>(toRate) / fromRate + 64);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_MQ, 0);
    std::size_t done = 0;
    const soxr_error_t err = soxr_oneshot(fromRate, toRate, 1, in.data(), in.size(), nullptr,
                                          out.data(), out.size(), &done, &io, &quality, nullptr);
    if (err != nullptr) return {};
    out.resize(done);
    return out;
}

}  // namespace quill::toneserver
