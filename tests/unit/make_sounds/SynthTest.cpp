#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "make-sounds/Synth.h"

namespace quill::sounds {
namespace {

int Peak(const std::vector<std::int16_t>& s) {
    int peak = 0;
    for (int v : s) peak = std::max(peak, std::abs(v));
    return peak;
}

int RisingZeroCrossings(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0 && s[i] >= 0);
    return n;
}

const Voice kPure{.brightness = 0.0};

TEST(Synth, ScalesTheLoudestSampleToTheRequestedLevel) {
    // Overlapping notes must be scaled down together, not summed past full scale.
    const auto s = Render({{0.0, 0.5, 440, 1.0}, {0.0, 0.5, 660, 1.0}, {0.1, 0.3, 880, 1.0}}, 0.5, -6.0);
    EXPECT_NEAR(Peak(s), 32767 * std::pow(10.0, -6.0 / 20), 1.0);
}

TEST(Synth, PlacesNotesInTimeAndGrowsToFitThem) {
    const auto s = Render({{0.5, 0.2, 440}}, 0.1, -6.0);
    ASSERT_EQ(s.size(), 11200u);  // 0.7 s: the note outlasts the requested 0.1 s
    EXPECT_TRUE(std::all_of(s.begin(), s.begin() + 8000, [](auto v) { return v == 0; }));
    EXPECT_GT(Peak({s.begin() + 8000, s.end()}), 10000);
}

TEST(Synth, SoundsAtTheRequestedPitchAndGlides) {
    const auto held = Render({{0.0, 1.0, 440, 1.0, kPure}}, 1.0, -6.0);
    EXPECT_NEAR(RisingZeroCrossings(held, 0, held.size()), 440, 2);

    Voice octaveUp = kPure;
    octaveUp.glideSemitones = 12;
    const auto glide = Render({{0.0, 1.0, 440, 1.0, octaveUp}}, 1.0, -6.0);
    const int early = RisingZeroCrossings(glide, 0, 1600);
    const int late = RisingZeroCrossings(glide, 14400, 16000);
    EXPECT_NEAR(static_cast<double>(late) / early, 1.9, 0.15);
}

TEST(Synth, OverdrivenOutputSaturatesInsteadOfWrapping) {
    const auto s = Render({{0.0, 0.2, 440, 1.0, kPure}}, 0.2, +6.0);
    EXPECT_EQ(Peak(s), 32767);
    for (std::size_t i = 1; i < s.size(); ++i)
        ASSERT_LT(std::abs(s[i] - s[i - 1]), 20000) << "wrapped at sample " << i;
}

}  // namespace
}  // namespace quill::sounds
