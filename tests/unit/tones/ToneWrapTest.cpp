#include "core/tones/ToneFileReader.h"
#include "tones/ToneFilesFixture.h"

namespace quill::test {
namespace {

using ToneWrapTest = ToneFilesFixture;

const std::string kPath = "C:\\Tones\\hello.quilar";

TEST_F(ToneWrapTest, WaveBecomesAContainerThatGivesItBack) {
    const std::string wave = MakeWave(44);
    disk.files[kPath] = wave;
    // The text is ANSI on disk, one byte a character, and UTF-8 again when read.
    ASSERT_TRUE(tones.WrapToneFile(kPath, "D\xC3\xB3ra"));

    const std::string& file = disk.files[kPath];
    EXPECT_EQ(file, "QUILLARE" + Int32Bytes(0) + Int32Bytes(4) + "D\xF3ra" + Int32Bytes(40) +
                        wave.substr(4));
    ASSERT_EQ(file.size(), 64u);
    EXPECT_EQ("RIFF" + file.substr(24), wave);
    EXPECT_EQ(tones.ReadToneTitle(kPath), "D\xC3\xB3ra");
    EXPECT_EQ(tones.ReadContainerText(kPath), "D\xC3\xB3ra");
    EXPECT_EQ(tones.ExtractAudio(kPath), wave);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(ToneWrapTest, SmallestWaveWithEmptyTextRoundTrips) {
    const std::string wave = MakeWave(12);
    disk.files[kPath] = wave;
    ASSERT_TRUE(tones.WrapToneFile(kPath, ""));
    EXPECT_EQ(disk.files[kPath].size(), 28u);
    EXPECT_EQ(tones.ReadContainerText(kPath), "");
    EXPECT_EQ(tones.ExtractAudio(kPath), wave);
}

TEST_F(ToneWrapTest, AnythingButAWaveIsLoggedAndLeftAlone) {
    const std::string notWaves[] = {MakeWave(12).substr(0, 11), "RIFX" + MakeWave(44).substr(4),
                                    MakeContainer("", "abc", MakeWave(44))};
    for (const auto& bytes : notWaves) {
        logDisk.files.clear();
        disk.files[kPath] = bytes;
        EXPECT_FALSE(tones.WrapToneFile(kPath, "abc"));
        EXPECT_EQ(disk.files[kPath], bytes);
        EXPECT_EQ(Logged(), std::vector<std::string>{"Quillares: invalid file: " + kPath});
    }
    disk.files.clear();
    EXPECT_FALSE(tones.WrapToneFile(kPath, "abc"));
    EXPECT_TRUE(disk.files.empty());
}

TEST_F(ToneWrapTest, RefusedWhenTheContainerWouldBeTooBigToRead) {
    const std::string wave = MakeWave(kMaxToneFileBytes - 16);
    disk.files[kPath] = wave;
    EXPECT_FALSE(tones.WrapToneFile(kPath, "abc"));
    EXPECT_TRUE(disk.files[kPath] == wave);
    EXPECT_EQ(Logged(), std::vector<std::string>{"Quillares: invalid file: " + kPath});
}

}  // namespace
}  // namespace quill::test
