#include <gmock/gmock.h>

#include "core/ui/SkypeEventsDialog.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ui::SkypeEventsDialog;

struct SkypeEventsDialogTest : OptionsFixture {
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith("events=Events\r\nevent=Announce:\r\nevent3=Busy~now\r\nevent9=none\r\nok=Fine\r\n");
        Set("user_online_play", "0", "wav");
        Set("user_away_play", " Yes ", "wav");
        Set("user_na_play", "y", "wav");
        Set("user_dnd_play", "1", "wav");
        Set("user_invisible_play", "true", "wav");
        Set("user_msg_play", "", "wav");
        Set("user_msg", "wav\\msg.wav", "wav");
        files.files[folder + "wav\\msg.wav"] = "RIFF";
    }
    // Opens the dialog with command 15; user acts while it is up.
    void Open(std::function<void(SkypeEventsDialog&)> user) {
        ui.whileModal = [&](ui::Dialog& d) { user(dynamic_cast<SkypeEventsDialog&>(d)); };
        app->commands.RunCommand(Command::Events);
    }
};

TEST_F(SkypeEventsDialogTest, OpensWithLenientSwitchesAndLanguageCaptionsSilentlyThenOkSavesAllEight) {
    mci.commands.clear();
    Open([&](SkypeEventsDialog& d) {
        EXPECT_EQ(d.form.Caption(), "Events");
        EXPECT_EQ(d.heading.Caption(), "Announce:");
        EXPECT_EQ(d.eventBoxes[2].Caption(), "Busy\r\nnow");
        EXPECT_EQ(d.eventBoxes[7].Caption(), "Conversation finished");
        EXPECT_EQ(d.ok.Caption(), "Fine");
        std::vector<bool> checked;
        for (auto& box : d.eventBoxes) checked.push_back(box.Value());
        EXPECT_EQ(checked, (std::vector<bool>{false, true, true, true, false, false, false, false}));
        EXPECT_TRUE(mci.commands.empty()) << "opening plays nothing";
        d.Click(d.ok);
    });
    for (auto [word, value] : {std::pair{"online", "0"}, {"away", "1"}, {"na", "1"}, {"dnd", "1"},
                               {"invisible", "0"}, {"loggedout", "0"}, {"msg", "0"}, {"finished", "0"}})
        EXPECT_EQ(Get("user_" + std::string(word) + "_play", "wav"), value) << word;
    int saved = 0;
    for (auto& line : LogLines()) saved += line == "Quillares: save events";
    EXPECT_EQ(saved, 1);
}

TEST_F(SkypeEventsDialogTest, CheckingPreviewsTheEventsToneUncheckingAndCancelDoNothing) {
    const std::string before = files.files[folder + app->shared.IniName];
    Open([&](SkypeEventsDialog& d) {
        mci.commands.clear();
        d.Click(d.eventBoxes[6]);
        EXPECT_THAT(mci.Texts(), ::testing::Contains(::testing::HasSubstr("wav\\msg.wav")));
        mci.commands.clear();
        d.Click(d.eventBoxes[6]);
        d.Click(d.eventBoxes[1]);
        EXPECT_TRUE(mci.commands.empty());
        d.Click(d.cancel);
    });
    EXPECT_EQ(files.files[folder + app->shared.IniName], before);
    EXPECT_FALSE(Logged("Quillares: save events"));
}

}  // namespace
}  // namespace quill::test
