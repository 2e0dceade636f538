#include "tones/ToneFilesFixture.h"

namespace quill::test {
namespace {

using SkypeToneTest = ToneFilesFixture;

const std::string kPath = "C:\\Tones\\ring.skype";

TEST_F(SkypeToneTest, TitleIsTheRunAfterTheFirstNulPair) {
    const std::string pair = kNul + kNul;
    struct Case {
        const char* what;
        std::string header;
        std::string title;
    } cases[] = {
        {"plain", "\x05" + kNul + "x" + pair + "My Tone" + kNul + "rest" + pair + "Other" + kNul,
         "My Tone"},
        {"control byte inside", pair + "junk\nMy Tone" + kNul, "My Tone"},
        {"only the last control byte counts", pair + "a\tb\x1f" "My Tone" + kNul, "My Tone"},
        {"ANSI", pair + "Caf\xe9" + kNul, "Caf\xc3\xa9"},
        {"pair followed by NUL", pair + kNul + "Name" + kNul, ""},
        {"no pair", "A" + kNul + "B" + kNul + "C", ""},
        // Without the cut the WAVE's size field would end the run: "ToneRIFF$".
        {"RIFF ends the window", pair + "Tone", ""},
        {"past the window", std::string(995, 'x') + pair + "Late" + kNul, ""},
    };
    for (const auto& c : cases) {
        disk.files[kPath] = MakeSkypeFile(c.header, MakeWave(44));
        EXPECT_EQ(tones.ReadToneTitle(kPath), c.title) << c.what;
    }
    EXPECT_TRUE(Logged().empty());
}

TEST_F(SkypeToneTest, FirstNineBytesAreNeverExamined) {
    // Read from offset 8, the pair would come first and give "Wrong".
    disk.files[kPath] = std::string(8, 'h') + kNul + kNul + "Wrong" + kNul + kNul + "Real" + kNul +
                        MakeWave(44);
    EXPECT_EQ(tones.ReadToneTitle(kPath), "Real");
}

TEST_F(SkypeToneTest, AudioRunsFromTheFirstRiffToTheEnd) {
    const std::string wave = MakeWave(300);
    disk.files[kPath] = MakeSkypeFile(kNul + kNul + "My Tone" + kNul, wave + "RIFF");
    EXPECT_EQ(tones.ExtractAudio(kPath), wave + "RIFF");
}

TEST_F(SkypeToneTest, RiffMustLieWholeWithinTheFirst1024Bytes) {
    const std::string wave = MakeWave(300);
    const std::string title = kNul + kNul + "My Tone" + kNul;
    const auto fileWithRiffAt = [&](std::size_t at) {
        return MakeSkypeFile(title + std::string(at - 9 - title.size(), 'h'), wave);
    };
    disk.files[kPath] = fileWithRiffAt(1020);
    EXPECT_EQ(tones.ExtractAudio(kPath), wave);
    disk.files[kPath] = fileWithRiffAt(1021);
    EXPECT_EQ(tones.ExtractAudio(kPath), std::nullopt);
    // Still listed: the catalogue shows what the header says.
    EXPECT_EQ(tones.ReadToneTitle(kPath), "My Tone");
}

}  // namespace
}  // namespace quill::test
