// "Add a sound file": the user's own file copied into the tone folder and listed.
#include <gmock/gmock.h>

#include "tones/ToneTestBytes.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ::testing::ElementsAre;

struct AddSoundFileTest : OptionsFixture {
    const std::string song = MakeId3("Own Song") + MakeMp3Frames(2);
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith("badsound=Not a sound.\r\n");
        Contacts({{"anna", "Anna"}});
        Catalogue({"old.wav"});
        app->window.SelectKind(1);
        ui.calls.clear();
    }
    long TonesOnDisk() const {
        return std::ranges::count_if(files.files, [&](auto& f) { return f.first.starts_with(folder + "tones\\"); });
    }
};

TEST_F(AddSoundFileTest, TheChosenFileIsCopiedUnderAFreeNameListedAndSelected) {
    files.files[folder + "tones\\Own Song.mp3"] = "taken";
    files.files[*(ui.chosenFile = "D:\\Music\\Own Song.mp3")] = song;
    app->commands.RunCommand(Command::AddSoundFile);
    EXPECT_EQ(files.files[folder + "tones\\Own Song.mp3"], "taken");
    EXPECT_EQ(files.files[folder + "tones\\Own Song (2).mp3"], song);
    EXPECT_FALSE(files.Exists(folder + "tones\\adding.tmp"));
    auto& w = app->window;
    EXPECT_THAT(w.toneTitles.Items(), ElementsAre("old.wav", "Own Song"));
    EXPECT_EQ(w.toneTitles.ListIndex(), 1);
    EXPECT_EQ(States({{3, E}, {11, E}}), (std::map<int, int>{{3, E}, {11, E}}));
    EXPECT_EQ(ui.calls.front(), "ChooseOpenFile Sound files|*.wav;*.mp3;*.ogg;*.quilar;*.skype");
}

TEST_F(AddSoundFileTest, ABadFileIsRefusedAndCancelChangesNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},  // Cancel
        {"D:\\x.mp3", MakeId3("T") + "no frames"},
        {"D:\\x.ogg", MakeOggHeaders("TITLE=No audio")},
        {"D:\\x.wav", "RIFX0000WAVE"},
    };
    for (const auto& [path, bytes] : cases) {
        files.files[path] = bytes;
        ui.chosenFile = path.empty() ? std::nullopt : std::optional(path);
        app->commands.RunCommand(Command::AddSoundFile);
        EXPECT_EQ(TonesOnDisk(), 1) << bytes;
        EXPECT_EQ(Get("number", "tones"), "1");
        EXPECT_EQ(ui.calls.back().ends_with(": Not a sound."), !path.empty());
    }
}

}  // namespace
}  // namespace quill::test
