#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "make-sounds/Synth.h"
#include "make-sounds/Tones.h"
#include "make-sounds/WaveFile.h"

namespace quill::sounds {
namespace {

constexpr std::size_t kEdge = kSampleRate * 3 / 1000;  // 3 ms
constexpr int kQuiet = 328;                             // 1% of full scale

const std::vector<Sound>& All() {
    static const std::vector<Sound> sounds = BuildSounds();
    return sounds;
}

const Sound& Named(const std::string& name) {
    for (const Sound& s : All())
        if (s.fileName == name) return s;
    throw std::runtime_error("no " + name);
}

std::vector<const Sound*> Tones() {
    std::vector<const Sound*> tones;
    for (const Sound& s : All())
        if (s.fileName != "empty.wav") tones.push_back(&s);
    return tones;
}

int Peak(const std::vector<std::int16_t>& s) {
    int peak = 0;
    for (int v : s) peak = std::max(peak, std::abs(v));
    return peak;
}

double Rms(const std::vector<double>& s) {
    double sum = 0;
    for (double v : s) sum += v * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
}

TEST(Tones, ShipsEveryFileTheAddOnPlays) {
    std::set<std::string> names;
    for (const Sound& s : All()) names.insert(s.fileName);
    EXPECT_EQ(names, (std::set<std::string>{"default.wav", "empty.wav", "online.wav", "away.wav", "na.wav",
                                            "dnd.wav", "invisible.wav", "loggedout.wav", "message.wav",
                                            "finished.wav"}));
    EXPECT_EQ(names.size(), All().size());
}

TEST(Tones, PauseIsOneSecondOfDigitalSilence) {
    const Sound& empty = Named("empty.wav");
    EXPECT_EQ(empty.samples.size(), static_cast<std::size_t>(kSampleRate));
    EXPECT_TRUE(std::all_of(empty.samples.begin(), empty.samples.end(), [](auto v) { return v == 0; }));
    EXPECT_EQ(EncodeWave(empty.samples, kSampleRate).size(), 32044u);
}

TEST(Tones, EveryToneFadesInAndOutAndStaysClean) {
    for (const Sound* tone : Tones()) {
        SCOPED_TRACE(tone->fileName);
        const auto& s = tone->samples;
        const double seconds = static_cast<double>(s.size()) / kSampleRate;
        if (tone->fileName == "default.wav") {
            EXPECT_NEAR(seconds, 2.0, 0.2);
        } else {
            EXPECT_GE(seconds, 0.3);
            EXPECT_LE(seconds, 1.0);
        }
        ASSERT_GT(s.size(), 2 * kEdge);
        EXPECT_LT(Peak({s.begin(), s.begin() + kEdge}), kQuiet) << "click at the start";
        EXPECT_LT(Peak({s.end() - kEdge, s.end()}), kQuiet) << "click at the end";
        EXPECT_LT(Peak(s), 32767) << "clipped";
        EXPECT_GT(Peak(s), 32767 / 10) << "too quiet to hear";
    }
}

TEST(Tones, NoTwoTonesSoundAlike) {
    // Loudness-matched difference: a copy at another volume or a few ms shorter still counts as the same.
    const auto tones = Tones();
    for (std::size_t i = 0; i < tones.size(); ++i)
        for (std::size_t j = i + 1; j < tones.size(); ++j) {
            const auto& a = tones[i]->samples;
            const auto& b = tones[j]->samples;
            const std::size_t n = std::max(a.size(), b.size());
            std::vector<double> x(n, 0.0), y(n, 0.0), d(n);
            std::copy(a.begin(), a.end(), x.begin());
            std::copy(b.begin(), b.end(), y.begin());
            const double gx = Rms(x), gy = Rms(y);
            for (std::size_t k = 0; k < n; ++k) d[k] = x[k] / gx - y[k] / gy;
            EXPECT_GT(Rms(d), 0.5) << tones[i]->fileName << " vs " << tones[j]->fileName;
        }
}

TEST(Tones, SameBytesEveryRun) {
    const auto again = BuildSounds();
    ASSERT_EQ(again.size(), All().size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].samples, All()[i].samples);
}

}  // namespace
}  // namespace quill::sounds
