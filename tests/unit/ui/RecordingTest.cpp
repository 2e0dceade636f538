#include <gmock/gmock.h>

#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ::testing::ElementsAre;

struct RecordingTest : OptionsFixture {
    std::string rec = folder + "wav\\rec_anna.wav", scratch = folder + "wav\\tmprec.wav";
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith();
        Contacts({{"anna", "Anna"}, {"bob", "Bob"}});
        app->window.contactNames.SetListIndex(0);
        app->window.SelectKind(2);
    }
    void Run(int num) { app->commands.RunCommand(CommandOf(num)); }
    void Position(const std::string& reply) { mci.replies["status capture position"] = reply; }
    bool Recording() const { return app->recorder.IsRecording(); }
    std::string Caption() const { return app->window.recordingTime.Caption(); }
    int Bar() const { return app->window.recordingBar.Width(); }
};

TEST_F(RecordingTest, EachTickShowsTheBarAndTimeAndTheFullMinuteSavesByItself) {
    struct Case {
        std::string reply;
        int bar;
        std::string caption;
        bool saved;
    };
    // In bytes, 32 a millisecond: a device may count its milliseconds in another format.
    const std::vector<Case> cases = {
        {"0", 0, "0:00", false},          {"60000", 38, "0:01", false},     {"224000", 266, "0:07", false},
        {"1919983", 2242, "0:59", false}, {"1920000", 3855, "1:00", true},  {"4012800", 3855, "2:05", true},
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

// Recording, saving and cancelling as such are the end-to-end tests' business.
TEST_F(RecordingTest, TheSavePathIsTheShortFormBareOrElseQuoted) {
    app->shared.ProgramFolder = "C:\\My Quillares\\";
    const std::string spaced = app->recorder.ScratchFile(), bare = "C:\\QUILLA~1\\MYWAV~1\\REC_AN~1.WAV";
    for (const auto& [shortForm, argument] : {std::pair{bare, bare}, {spaced, "\"" + spaced + "\""}}) {
        app->recorder.RecordStart();
        files.files[spaced] = "RIFF";
        files.shortNames[spaced] = shortForm;
        mci.commands.clear();
        app->recorder.RecordSave();
        EXPECT_EQ(mci.Texts().at(1), "save capture " + argument);
    }
}

TEST_F(RecordingTest, AFailedSaveIsLoggedAndAnEndedRingDoesNotCloseTheRecording) {
    files.files[rec] = "RIFF old";
    Run(7);
    files.files[folder + "wav\\ring.wav"] = "RIFF";
    app->player.RingTone(folder + "wav\\ring.wav");
    mci.commands.clear();
    app->player.StopTone();
    EXPECT_THAT(mci.Texts(), ElementsAre("stop file", "close file"));
    mci.failures["save capture \"" + scratch + "\""] = 275;
    Run(6);
    EXPECT_TRUE(Logged("Quillares: recording not saved: " + rec));
    EXPECT_EQ(files.files[rec], "RIFF old");
    EXPECT_EQ(State(11), D);
}

}  // namespace
}  // namespace quill::test
