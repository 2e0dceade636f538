#include <gmock/gmock.h>

#include <functional>

#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

const char* const kSet =
    "set capture time format milliseconds format tag pcm channels 1 samplespersec 16000 alignment 2 bitspersample 16 "
    "bytespersec 32000";

struct RecordingTest : OptionsFixture {
    std::string rec = folder + "wav\\rec_anna.wav";
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith();
        Contacts({{"anna", "Anna"}, {"bob", "Bob"}});
        app->window.List1.SetListIndex(0);
        app->window.SelectKind(2);
    }
    void Run(int num) { app->commands.RunCommand(num); }
    void Position(const std::string& reply) { mci.replies["status capture position"] = reply; }
    bool Recording() const { return app->recorder.IsRecording(); }
    std::string Caption() const { return app->window.lblProgress2.Caption(); }
    int Bar() const { return app->window.lblProgress.Width(); }
};

TEST_F(RecordingTest, RecordThenStopSendsTheCaptureCommandsInOrderAndSavesIntoTheContactsFile) {
    files.files[rec] = "RIFF old";
    mci.commands.clear();
    Run(7);
    EXPECT_FALSE(files.Exists(rec));  // deleted before recording began
    Position("2000");
    Ticks(2);
    Run(6);
    EXPECT_THAT(mci.Texts(), ElementsAre("open new type waveaudio alias capture", "cue capture input", kSet,
                                         "record capture", "status capture position", "status capture position",
                                         "stop capture", "save capture \"" + rec + "\"", "close capture"));
    EXPECT_FALSE(Recording());
    EXPECT_TRUE(Logged("Quillares: recording started"));
    EXPECT_TRUE(Logged("Quillares: recording finished"));

    // Stop with nothing recording stops playback and leaves the capture device alone.
    mci.commands.clear();
    Run(6);
    EXPECT_THAT(mci.Texts(), ElementsAre("close all"));
}

TEST_F(RecordingTest, EachTickShowsTheBarAndTimeAndTheFullMinuteSavesByItself) {
    struct Case {
        std::string reply;
        int bar;
        std::string caption;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"0", 0, "0:00", false},       {"999", 0, "0:00", false},      {"7000", 266, "0:07", false},
        {"59999", 2242, "0:59", false}, {"60000", 3855, "1:00", true},  {"125400", 3855, "2:05", true},
        {"", 0, "0:00", false},         {"busy", 0, "0:00", false},     {"-9000", 0, "0:00", false},
        {"1e300", 3855, "35791:23", true},
    };
    for (const auto& c : cases) {
        Run(7);
        Position(c.reply);
        Ticks(1);
        EXPECT_EQ(Bar(), c.bar) << c.reply;
        EXPECT_EQ(Caption(), c.caption) << c.reply;
        EXPECT_EQ(Recording(), !c.saved) << c.reply;
        EXPECT_EQ(State(6), c.saved ? D : E) << c.reply;
        if (!c.saved) Run(6);
    }
}

TEST_F(RecordingTest, HidingThePanelOrShowingItAfreshCancelsWithinOneTick) {
    auto& w = app->window;
    const std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {"panel hidden", [&] { w.Picture1[2].SetVisible(false); }},
        {"another kind", [&] { w.SelectKind(0); }},
        {"another contact with a recording", [&] {
             Set("bob_play", "2");
             Set("bob_file", "wav\\bob.wav");
             w.List1.SetListIndex(1);
             app->panels.SelectContact();
         }},
    };
    for (const auto& [what, act] : cases) {
        w.List1.SetListIndex(0);
        w.SelectKind(1);
        w.SelectKind(2);
        Run(7);
        mci.commands.clear();
        act();
        Ticks(1);
        EXPECT_FALSE(Recording()) << what;
        EXPECT_THAT(mci.Texts(), Contains("close capture")) << what;
        EXPECT_THAT(mci.Texts(), Not(Contains(::testing::StartsWith("save capture")))) << what;
    }
    EXPECT_FALSE(files.Exists(rec));
    EXPECT_FALSE(files.Exists(folder + "wav\\bob.wav"));
    EXPECT_TRUE(Logged("Quillares: recording cancelled"));
}

TEST_F(RecordingTest, TheSavePathIsTheShortFormBareOrElseQuoted) {
    struct Case {
        bool exists;
        std::string shortForm;
        std::string argument;
    };
    const std::string spaced = folder + "my wav\\rec_anna.wav";
    const std::vector<Case> cases = {
        {false, "", "\"" + spaced + "\""},
        {true, "C:\\QUILLA~1\\MYWAV~1\\REC_AN~1.WAV", "C:\\QUILLA~1\\MYWAV~1\\REC_AN~1.WAV"},
        // A volume without short names gives the long form back.
        {true, spaced, "\"" + spaced + "\""},
    };
    for (const auto& c : cases) {
        app->shared.RecordFile = spaced;
        app->recorder.RecordStart();
        if (c.exists) {
            files.files[spaced] = "RIFF";
            files.shortNames[spaced] = c.shortForm;
        }
        mci.commands.clear();
        app->recorder.RecordSave();
        EXPECT_EQ(mci.Texts().at(1), "save capture " + c.argument);
        files.files.erase(spaced);
    }
}

TEST_F(RecordingTest, AFailedSaveIsLoggedAndAnEndedRingDoesNotCloseTheRecording) {
    Run(7);
    files.files[folder + "wav\\ring.wav"] = "RIFF";
    app->player.RingTone(folder + "wav\\ring.wav");
    mci.commands.clear();
    app->player.StopTone();
    EXPECT_THAT(mci.Texts(), ElementsAre("stop file", "close file"));
    mci.failures["save capture \"" + rec + "\""] = 275;
    Run(6);
    EXPECT_TRUE(Logged("Quillares: recording not saved: " + rec));
}

}  // namespace
}  // namespace quill::test
