#include <limits>

#include "core/tones/ToneFileReader.h"
#include "tones/ToneFilesFixture.h"

namespace quill::test {
namespace {

using ToneContainerTest = ToneFilesFixture;

const std::string kPath = "C:\\Tones\\hello.quilar";

TEST_F(ToneContainerTest, ReadersSkipTheOpaqueFieldWhateverItHolds) {
    const std::string wave = MakeWave(100);
    disk.files[kPath] = MakeContainer("QUILLARE" + Int32Bytes(-1) + "RIFF", "Hello Bob", wave);
    EXPECT_EQ(tones.ReadToneTitle(kPath), "Hello Bob");
    EXPECT_EQ(tones.ReadContainerText(kPath), "Hello Bob");
    EXPECT_EQ(tones.ExtractAudio(kPath), wave);
}

TEST_F(ToneContainerTest, EmptyTextIsAValidTitle) {
    disk.files[kPath] = MakeContainer("", "", MakeWave(44));
    EXPECT_EQ(tones.ReadToneTitle(kPath), "");
    EXPECT_EQ(tones.ReadContainerText(kPath), "");
    EXPECT_TRUE(Logged().empty());
}

TEST_F(ToneContainerTest, TextIsFoundByContentNotByName) {
    disk.files["C:\\Tones\\hello.wav"] = MakeContainer("", "Hi", MakeWave(44));
    disk.files["C:\\Tones\\ring.quilar"] = MakeWave(44);
    EXPECT_EQ(tones.ReadContainerText("C:\\Tones\\hello.wav"), "Hi");
    EXPECT_EQ(tones.ReadContainerText("C:\\Tones\\ring.quilar"), std::nullopt);
}

// Every way a container can be wrong is the same to every reader: one log line from the
// title reader, nothing else, and no read larger than the file.
class InvalidToneContainerTest : public ToneFilesFixture {
protected:
    void ExpectInvalid(const std::string& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        logDisk.files.clear();
        disk.largestRead = 0;
        disk.files[kPath] = bytes;
        EXPECT_EQ(tones.ReadToneTitle(kPath), "");
        EXPECT_EQ(Logged(), std::vector<std::string>{"Quillares: invalid file: " + kPath});
        EXPECT_EQ(tones.ExtractAudio(kPath), std::nullopt);
        EXPECT_EQ(tones.ReadContainerText(kPath), std::nullopt);
        EXPECT_EQ(disk.files[kPath], bytes);
        EXPECT_LE(disk.largestRead, bytes.size());
    }
};

TEST_F(InvalidToneContainerTest, WrongMagicOrTruncated) {
    const std::string good = MakeContainer("op", "Hello", MakeWave(44));
    ExpectInvalid("QUILLARF" + good.substr(8), "wrong magic");
    ExpectInvalid("QUILL", "shorter than the magic");
    ExpectInvalid(good.substr(0, good.size() - 1), "payload cut short");
    ExpectInvalid(good.substr(0, 8 + 4 + 2 + 4 + 5 + 2), "cut inside the payload length");
}

TEST_F(InvalidToneContainerTest, LengthFieldsThatLie) {
    const std::string good = MakeContainer("op", "Hello", MakeWave(44));
    struct Field {
        const char* name;
        std::size_t at;
        std::int32_t honest;
    } fields[] = {{"opaque", 8, 2}, {"text", 14, 5}, {"payload", 23, 40}};
    for (const auto& field : fields) {
        for (const std::int32_t lie : {-1, std::numeric_limits<std::int32_t>::min(), field.honest + 1,
                                       std::numeric_limits<std::int32_t>::max()}) {
            std::string bad = good;
            bad.replace(field.at, 4, Int32Bytes(lie));
            ExpectInvalid(bad, std::string(field.name) + " = " + std::to_string(lie));
        }
    }
}

TEST_F(ToneContainerTest, FileCutShortAfterBeingSizedIsNotTrusted) {
    disk.sizeSlack = 10;
    disk.files[kPath] = MakeContainer("", "Hi", MakeWave(54)).substr(0, 62);
    EXPECT_EQ(tones.ExtractAudio(kPath), std::nullopt);
    EXPECT_EQ(tones.ReadToneTitle(kPath), "Hi");  // the text itself was all there
}

TEST_F(InvalidToneContainerTest, HugeFileIsRefusedUnread) {
    const std::string wave = MakeWave(kMaxToneFileBytes);
    ExpectInvalid(MakeContainer("", "Big", wave), "over the size limit");
    EXPECT_EQ(disk.reads, 0);
}

}  // namespace
}  // namespace quill::test
