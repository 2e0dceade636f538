#include "core/tones/ToneKind.h"

#include "tones/ToneFilesFixture.h"

namespace quill::test {
namespace {

TEST(ToneKindTest, OnlyTheExactLowerCaseEndingsNameAFormat) {
    EXPECT_EQ(KindOf("C:\\Tones\\ring.skype"), ToneKind::Skype);
    EXPECT_EQ(KindOf("C:\\Tones\\ring.quilar"), ToneKind::Container);
    for (const char* path : {"C:\\Tones\\ring.SKYPE", "C:\\Tones\\ring.Quilar",
                             "C:\\Tones\\ring.skype.wav", "C:\\Tones\\ring.skyp", "skype", ""}) {
        EXPECT_EQ(KindOf(path), ToneKind::Plain) << path;
    }
}

using ToneKindFilesTest = ToneFilesFixture;

TEST_F(ToneKindFilesTest, PlainTonesAreListedWithoutBeingRead) {
    // Contents that would give a title if the ending were taken case-blind.
    disk.files["C:\\Tones\\a.SKYPE"] = MakeSkypeFile(kNul + kNul + "Title" + kNul, MakeWave(44));
    disk.files["C:\\Tones\\b.Quilar"] = MakeContainer("", "Text", MakeWave(44));
    EXPECT_EQ(tones.ReadToneTitle("C:\\Tones\\a.SKYPE"), "@");
    EXPECT_EQ(tones.ReadToneTitle("C:\\Tones\\b.Quilar"), "@");
    EXPECT_EQ(tones.ExtractAudio("C:\\Tones\\a.SKYPE"), std::nullopt);
    EXPECT_EQ(disk.reads, 0);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(ToneKindFilesTest, MissingFileIsLoggedOnlyByTheTitleReader) {
    for (const char* path : {"C:\\Tones\\gone.wav", "C:\\Tones\\gone.skype", "C:\\Tones\\gone.quilar"}) {
        EXPECT_EQ(tones.ReadToneTitle(path), "") << path;
        EXPECT_EQ(tones.ExtractAudio(path), std::nullopt) << path;
        EXPECT_EQ(tones.ReadContainerText(path), std::nullopt) << path;
    }
    EXPECT_EQ(Logged(), (std::vector<std::string>{
                            "Quillares: no such file: C:\\Tones\\gone.wav",
                            "Quillares: no such file: C:\\Tones\\gone.skype",
                            "Quillares: no such file: C:\\Tones\\gone.quilar"}));
}

}  // namespace
}  // namespace quill::test
