#include <gmock/gmock.h>

#include "core/ui/SkypeEventsDialog.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ui::SkypeEventsDialog;

struct SkypeEventsDialogTest : OptionsFixture {
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith("event=Announce:\r\nevent3=Busy~now\r\nevent9=none\r\n");
        Set("user_away_play", "1", "wav");
        Set("user_msg", "wav\\msg.wav", "wav");
        files.files[folder + "wav\\msg.wav"] = "RIFF";
    }
    void Open(std::function<void(SkypeEventsDialog&)> user) {
        ui.whileModal = [&](ui::Dialog& d) { user(dynamic_cast<SkypeEventsDialog&>(d)); };
        app->commands.RunCommand(Command::Events);
    }
};

TEST_F(SkypeEventsDialogTest, CaptionsComeFromTheLanguageFileCheckingPreviewsTheToneUncheckingAndCancelDoNothing) {
    const std::string before = files.files[folder + app->shared.IniName];
    Open([&](SkypeEventsDialog& d) {
        EXPECT_EQ(d.heading.Caption() + "|" + d.eventBoxes[2].Caption() + "|" + d.eventBoxes[7].Caption(),
                  "Announce:|Busy\r\nnow|Conversation finished");
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
