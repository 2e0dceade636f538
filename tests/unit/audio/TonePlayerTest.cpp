#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/ProgramHarness.h"

namespace quill::test {

using ::testing::ElementsAre;

struct TonePlayerTest : ::testing::Test, ProgramHarness {
    TonePlayer& player() { return app->player; }
    std::string tone = folder + "wav\\anna tone.wav", pause = folder + "wav\\empty.wav";
    std::string scratch = folder + "wav\\tmp.wav";

    void SetUp() override {
        Start();
        files.files[tone] = "RIFF anna";
        files.files[pause] = "RIFF pause";
    }
    void EndNotice(std::uintptr_t code = 1) { app->WindowProc({0x3B9, code, 0, {}}); }
    static std::string Open(const std::string& path) { return "open \"" + path + "\" alias file"; }
};

// The ring's sound is the end-to-end tests' business; here, which notice does what.
TEST_F(TonePlayerTest, ARingingToneAlternatesWithThePauseUntilStopped) {
    const std::string ring = folder + "wav\\not-empty.wav";  // named like the pause, still the tone
    files.files[ring] = "RIFF ring";
    player().RingTone(ring);
    EndNotice();
    EndNotice();
    EndNotice(4);  // aborted: nothing happens
    EXPECT_THAT(mci.Texts(), ElementsAre(Open(ring), "play file notify", "close file", Open(pause), "play file notify",
                                         "close file", Open(ring), "play file notify"));
    EXPECT_TRUE(mci.commands[1].notify && !mci.commands[0].notify);
    EXPECT_TRUE(Logged("Quillares: not-empty.wav"));
    mci.commands.clear();
    player().StopTone();
    EndNotice();  // the last repeat's notice after the stop starts nothing
    EXPECT_THAT(mci.Texts(), ElementsAre("close all", "close file"));
    EXPECT_FALSE(player().RingLoop() || player().IsPlaying());
}

TEST_F(TonePlayerTest, AnAnnouncementPlaysOnceAndANewToneClosesTheOneStillOpenEvenAfterAMissingFile) {
    player().RingTone(tone);
    player().Announce(pause);
    EXPECT_FALSE(player().PlayFinished());
    mci.commands.clear();
    EndNotice();
    EXPECT_TRUE(player().PlayFinished());
    EXPECT_THAT(mci.Texts(), ElementsAre("close file"));

    player().PlayTone(tone);
    player().PlayTone(folder + "wav\\gone.wav");
    EXPECT_EQ(LogLines().back(), "Quillares: no such file: " + folder + "wav\\gone.wav");
    EXPECT_FALSE(player().IsPlaying());
    mci.commands.clear();
    player().PlayTone(pause);
    EXPECT_THAT(mci.Texts(), ElementsAre("stop file", "close file", Open(pause), "play file notify"));
}

TEST_F(TonePlayerTest, PackedTonesPlayFromTheScratchFileGoneAtTheirEnd) {
    std::string wave = "RIFF\x10\0\0\0WAVEdata-samples";
    files.files[folder + "tones\\ring.skype"] = std::string("\0\0\0\0\0\0\0\0\0title\0\0My Tone\0", 23) + wave;
    player().PlayTone(folder + "tones\\ring.skype");
    EXPECT_EQ(files.files[scratch], wave);
    EXPECT_EQ(mci.Texts()[0], Open(scratch));
    EndNotice();
    EXPECT_FALSE(files.Exists(scratch));
}

TEST_F(TonePlayerTest, PackedTonesWithoutAudioAreRefused) {
    files.files[folder + "a.quilar"] = "NOTMAGIC and more";
    files.files[folder + "b.skype"] = std::string(2000, 'x');
    for (const char* name : {"a.quilar", "b.skype"}) {
        player().PlayTone(folder + name);
        EXPECT_EQ(LogLines().back(), "Quillares: invalid audio file") << name;
    }
    EXPECT_TRUE(mci.commands.empty());
    EXPECT_FALSE(files.Exists(scratch));
}

TEST_F(TonePlayerTest, ARingWhoseToneAndDefaultCannotPlayLogsBothAndThePreviewPlaysWhereTheDefaultRings) {
    player().RingTone(folder + "wav\\gone.wav");
    EXPECT_TRUE(Logged("Quillares: no such file: " + folder + "wav\\gone.wav"));
    EXPECT_EQ(LogLines().back(), "Quillares: the default tone cannot play either: " + folder + "wav\\default.wav");

    app->shared.DefaultTone = "D:\\bell.wav";
    files.files["D:\\bell.wav"] = "RIFF";
    mci.commands.clear();
    player().PlayDefaultTone(Command::PlayDefault);
    EXPECT_EQ(mci.Texts()[0], Open("D:\\bell.wav"));
}

}  // namespace quill::test
