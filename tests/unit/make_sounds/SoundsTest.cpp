// What the end-to-end tests cannot hear: that the tones are clean and distinct, and that a
// folder that cannot be written is reported. They do prove that the files play sample for sample,
// and that the containers read back as their titles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "make-sounds/SoundFolder.h"
#include "make-sounds/WaveFile.h"
#include "make-sounds/Synth.h"
#include "make-sounds/Tones.h"
#include "make_sounds/TempFolder.h"

namespace quill::sounds {
namespace {

constexpr std::size_t kEdge = kSampleRate * 3 / 1000;  // 3 ms
constexpr int kQuiet = 328;                             // 1% of full scale

const std::vector<Sound>& All() {
    static const std::vector<Sound> sounds = BuildSounds();
    return sounds;
}

const std::vector<BoxedTone>& Boxed() {
    static const std::vector<BoxedTone> boxed = BuildBoxedTones();
    return boxed;
}

// Every sound with a tune: the event tones, the default ringtone and the ringtones in the box.
std::vector<const Sound*> Tones() {
    std::vector<const Sound*> tones;
    for (const Sound& s : All())
        if (s.fileName != "empty.wav") tones.push_back(&s);
    for (const BoxedTone& t : Boxed()) tones.push_back(&t.sound);
    return tones;
}

bool IsRingtone(const Sound& s) { return s.fileName == "default.wav" || s.fileName.ends_with(".quilar"); }

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

TEST(Tones, ShipsEveryFileTheAddOnPlaysAndASilentPause) {
    std::set<std::string> names;
    for (const Sound& s : All()) names.insert(s.fileName);
    EXPECT_EQ(names, (std::set<std::string>{"default.wav", "empty.wav", "online.wav", "away.wav", "na.wav",
                                            "dnd.wav", "invisible.wav", "loggedout.wav", "message.wav",
                                            "finished.wav"}));
    EXPECT_EQ(names.size(), All().size());
    const auto empty = std::find_if(All().begin(), All().end(), [](auto& s) { return s.fileName == "empty.wav"; });
    EXPECT_EQ(empty->samples, std::vector<std::int16_t>(kSampleRate, 0));
}

TEST(Tones, EveryToneFadesInAndOutAndStaysClean) {
    for (const Sound* tone : Tones()) {
        SCOPED_TRACE(tone->fileName);
        const auto& s = tone->samples;
        const double seconds = static_cast<double>(s.size()) / kSampleRate;
        if (IsRingtone(*tone)) {
            EXPECT_GE(seconds, 1.8);
            EXPECT_LE(seconds, 3.5);
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

TEST(Synth, SoundsAtTheRequestedPitch) {
    const auto s = Render({{0.0, 1.0, 440, 1.0, Voice{.brightness = 0.0}}}, 1.0, -6.0);
    int rising = 0;
    for (std::size_t i = 1; i < s.size(); ++i) rising += (s[i - 1] < 0 && s[i] >= 0);
    EXPECT_NEAR(rising, 440, 2);
}

TEST(SoundFolder, ReportsWhatCouldNotBeWrittenAndWritesTheRest) {
    const test::TempFolder temp;
    const auto& dir = temp.path;
    std::filesystem::create_directories(dir / "away.wav");
    std::ofstream(dir / "plain-file") << "x";
    std::ostringstream err;

    EXPECT_FALSE(WriteSoundFolder(dir / "plain-file", err));
    EXPECT_NE(err.str().find("plain-file"), std::string::npos);
    err.str("");
    EXPECT_FALSE(WriteSoundFolder(dir, err));
    EXPECT_NE(err.str().find("away.wav"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "default.wav"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "message.wav"));
}

}  // namespace
}  // namespace quill::sounds
