#include <gmock/gmock.h>

#include "core/ui/SkypeEventsDialog.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ui::SkypeEventsDialog;

struct SkypeEventsDialogTest : OptionsFixture {
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith();
        Set("user_away_play", "1", "wav");
        Set("user_msg", "wav\\msg.wav", "wav");
        files.files[folder + "wav\\msg.wav"] = "RIFF";
    }
    // Opens the dialog with command 15; user acts while it is up.
    void Open(std::function<void(SkypeEventsDialog&)> user) {
        ui.whileModal = [&](ui::Dialog& d) { user(dynamic_cast<SkypeEventsDialog&>(d)); };
        app->commands.RunCommand(Command::Events);
    }
};

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
