// Skype tone files and containers as every reader sees them, and a WAVE wrapped into a container.
#include <gtest/gtest.h>

#include <limits>

#include "core/tones/ToneFileReader.h"
#include "tones/ToneDisk.h"
#include "tones/ToneTestBytes.h"

namespace quill::test {
namespace {

const std::string kSkype = "C:\\Tones\\ring.skype", kBox = "C:\\Tones\\hello.quilar";
using Audio = std::optional<std::string>;

struct ToneFilesTest : ::testing::Test, ToneDisk {
    void ExpectRead(const std::string& path, const std::string& bytes, const std::string& title, const Audio& audio,
                    const Audio& text, const std::string& what) {
        disk.files[path] = bytes;
        EXPECT_EQ(tones.ReadToneTitle(path), title) << what;
        EXPECT_EQ(tones.ExtractAudio(path), audio) << what;
        EXPECT_EQ(tones.ReadContainerText(path), text) << what;
    }
    // Every way a container can be wrong is the same to every reader: one log line from the
    // title reader, nothing else, and no read larger than the file.
    void ExpectInvalid(const std::string& bytes, const std::string& what) {
        logDisk.files.clear();
        disk.largestRead = 0;
        ExpectRead(kBox, bytes, "", std::nullopt, std::nullopt, what);
        EXPECT_EQ(Logged(), std::vector<std::string>{"Quillares: invalid file: " + kBox}) << what;
        EXPECT_EQ(disk.files[kBox], bytes);
        EXPECT_LE(disk.largestRead, bytes.size()) << what;
    }
};

TEST_F(ToneFilesTest, SkypeTitleIsTheRunAfterTheFirstNulPairAndAudioTheTailFromAnEarlyRiff) {
    const std::string pair = kNul + kNul, w44 = MakeWave(44), w300 = MakeWave(300), named = pair + "My Tone" + kNul;
    const auto riffAt = [&](std::size_t at) { return MakeSkypeFile(named + std::string(at - 9 - named.size(), 'h'), w300); };
    const struct {
        const char* what;
        std::string file, title;
        Audio audio;
    } cases[] = {
        {"plain", MakeSkypeFile("\x05" + kNul + "x" + named + "rest" + pair + "Other" + kNul, w44), "My Tone", w44},
        {"control byte inside", MakeSkypeFile(pair + "junk\nMy Tone" + kNul, w44), "My Tone", w44},
        {"only the last control byte counts", MakeSkypeFile(pair + "a\tb\x1f" "My Tone" + kNul, w44), "My Tone", w44},
        {"ANSI", MakeSkypeFile(pair + "Caf\xe9" + kNul, w44), "Caf\xc3\xa9", w44},
        {"pair followed by NUL", MakeSkypeFile(pair + kNul + "Name" + kNul, w44), "", w44},
        {"no pair", MakeSkypeFile("A" + kNul + "B" + kNul + "C", w44), "", w44},
        // Without the cut the WAVE's size field would end the run: "ToneRIFF$".
        {"RIFF ends the window", MakeSkypeFile(pair + "Tone", w44), "", w44},
        {"past the window", MakeSkypeFile(std::string(995, 'x') + pair + "Late" + kNul, w44), "", w44},
        // Read from offset 8, the pair would come first and give "Wrong".
        {"first nine bytes unread", std::string(8, 'h') + pair + "Wrong" + pair + "Real" + kNul + w44, "Real", w44},
        {"audio runs to the end", MakeSkypeFile(named, w300 + "RIFF"), "My Tone", w300 + "RIFF"},
        {"RIFF whole within 1024 bytes", riffAt(1020), "My Tone", w300},
        {"RIFF past them: still listed", riffAt(1021), "My Tone", std::nullopt},
    };
    for (const auto& c : cases) ExpectRead(kSkype, c.file, c.title, c.audio, std::nullopt, c.what);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(ToneFilesTest, ContainersAreFoundByContentAndSkipTheOpaqueField) {
    const std::string w100 = MakeWave(100), w44 = MakeWave(44);
    ExpectRead(kBox, MakeContainer("QUILLARE" + Int32Bytes(-1) + "RIFF", "Hello Bob", w100), "Hello Bob", w100,
               "Hello Bob", "opaque field");
    ExpectRead(kBox, MakeContainer("", "", w44), "", w44, "", "empty text");
    const std::string big = MakeWave(3 * ToneFileReader::kHeadBytes);
    ExpectRead(kBox, MakeContainer("", "Big", big), "Big", big, "Big", "audio past the first read");
    // A plain tone is listed by its name, unread; its ending counts only as spelled.
    ExpectRead("C:\\Tones\\hello.wav", MakeContainer("", "Hi", w44), "@", std::nullopt, "Hi", "named .wav");
    EXPECT_TRUE(Logged().empty());
    disk.reads = 0;
    for (const char* path : {"C:\\Tones\\a.SKYPE", "C:\\Tones\\b.Quilar", "C:\\Tones\\c.skype.wav"}) {
        disk.files[path] = MakeSkypeFile(kNul + kNul + "Title" + kNul, w44);
        EXPECT_EQ(tones.ReadToneTitle(path), "@") << path;
        EXPECT_EQ(tones.ExtractAudio(path), std::nullopt) << path;
    }
    EXPECT_EQ(disk.reads, 0);
    EXPECT_TRUE(Logged().empty());
    ExpectInvalid(w44, "a WAVE named .quilar");
}

TEST_F(ToneFilesTest, MissingFileIsLoggedOnlyByTheTitleReader) {
    std::vector<std::string> expected;
    for (const std::string path : {"C:\\Tones\\gone.wav", "C:\\Tones\\gone.skype", "C:\\Tones\\gone.quilar"}) {
        EXPECT_EQ(tones.ReadToneTitle(path), "") << path;
        EXPECT_EQ(tones.ExtractAudio(path), std::nullopt) << path;
        EXPECT_EQ(tones.ReadContainerText(path), std::nullopt) << path;
        expected.push_back("Quillares: no such file: " + path);
    }
    EXPECT_EQ(Logged(), expected);
}

TEST_F(ToneFilesTest, ContainersWithWrongMagicCutShortOrLyingLengthsAreInvalid) {
    const std::string good = MakeContainer("op", "Hello", MakeWave(44));
    ExpectInvalid("QUILLARF" + good.substr(8), "wrong magic");
    ExpectInvalid("QUILL", "shorter than the magic");
    ExpectInvalid(good.substr(0, good.size() - 1), "payload cut short");
    ExpectInvalid(good.substr(0, 8 + 4 + 2 + 4 + 5 + 2), "cut inside the payload length");
    const struct {
        const char* name;
        std::size_t at;
        std::int32_t honest;
    } fields[] = {{"opaque", 8, 2}, {"text", 14, 5}, {"payload", 23, 40}};
    for (const auto& field : fields)
        for (const std::int32_t lie : {-1, std::numeric_limits<std::int32_t>::min(), field.honest + 1,
                                       std::numeric_limits<std::int32_t>::max()})
            ExpectInvalid(std::string(good).replace(field.at, 4, Int32Bytes(lie)),
                          std::string(field.name) + " = " + std::to_string(lie));
    disk.reads = 0;
    ExpectInvalid(MakeContainer("", "Big", MakeWave(kMaxToneFileBytes)), "over the size limit");
    EXPECT_EQ(disk.reads, 0);
}

TEST_F(ToneFilesTest, FileCutShortAfterBeingSizedIsNotTrusted) {
    disk.sizeSlack = 10;
    disk.files[kBox] = MakeContainer("", "Hi", MakeWave(54)).substr(0, 62);
    EXPECT_EQ(tones.ExtractAudio(kBox), std::nullopt);
    EXPECT_EQ(tones.ReadToneTitle(kBox), "Hi");  // the text itself was all there
}

// Each wrap's sizes and round trip are tone_wrap_fuzz's checks over its corpus.
TEST_F(ToneFilesTest, AWrappedWaveIsAContainerThatGivesItBack) {
    const std::string wave = MakeWave(44);
    disk.files[kBox] = wave;
    EXPECT_TRUE(tones.IsPlayable(kBox, ToneKind::Plain));
    ASSERT_TRUE(tones.WrapToneFile(kBox, "D\xC3\xB3ra"));
    EXPECT_FALSE(tones.IsPlayable(kBox, ToneKind::Plain));
    EXPECT_EQ(disk.files[kBox], MakeContainer("", "D\xF3ra", wave));  // ANSI on disk, one byte a character
    EXPECT_EQ(tones.ReadToneTitle(kBox), "D\xC3\xB3ra");
    EXPECT_EQ(tones.ExtractAudio(kBox), wave);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(ToneFilesTest, OnlyAWaveThatStaysReadableIsWrappedAndAnythingElseIsLoggedAndLeft) {
    const std::string notWaves[] = {MakeWave(12).substr(0, 11), "RIFX" + MakeWave(44).substr(4),
                                    MakeContainer("", "abc", MakeWave(44)), MakeWave(kMaxToneFileBytes - 16)};
    for (const auto& bytes : notWaves) {
        logDisk.files.clear();
        disk.files[kBox] = bytes;
        EXPECT_FALSE(tones.WrapToneFile(kBox, "abc"));
        EXPECT_TRUE(disk.files[kBox] == bytes);
        EXPECT_EQ(Logged(), std::vector<std::string>{"Quillares: invalid file: " + kBox});
    }
    disk.files.clear();
    EXPECT_FALSE(tones.WrapToneFile(kBox, "abc"));
    EXPECT_TRUE(disk.files.empty());
}

}  // namespace
}  // namespace quill::test
