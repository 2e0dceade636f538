#include <gmock/gmock.h>

#include "tones/ToneTestBytes.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

struct OptionsCommandsTest : OptionsFixture {
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith("notext=Type some text first.\r\n");
        Contacts({{"anna", "Anna"}});
        Catalogue({"a.wav"});
        files.files[folder + "wav\\rec_anna.wav"] = "RIFF";
        files.files[folder + "wav\\empty.wav"] = "RIFF";
        app->window.contactNames.SetListIndex(0);
    }
    void Kind(int k) { app->window.SelectKind(k); }
    void Run(int num) { app->commands.RunCommand(CommandOf(num)); }
    void PlayedToTheEnd() { app->player.OnPlaybackNotice(TonePlayer::kPlayedToTheEnd); }
};

TEST_F(OptionsCommandsTest, EachPanelsCommandsLeaveItsButtonMachineInTheNextState) {
    struct Case {
        int kind;
        std::vector<int> commands;
        std::map<int, int> states;
        bool attention;
    };
    const std::vector<Case> cases = {
        {0, {}, {{1, E}}, false},
        {0, {1}, {{1, D}}, false},
        {1, {}, {{2, E}, {3, E}, {4, D}, {11, E}}, false},
        {1, {3}, {{2, E}, {3, D}, {4, E}}, false},
        {1, {3, 4}, {{2, E}, {3, E}, {4, D}}, false},
        {1, {2}, {{2, E}, {3, E}, {11, E}}, false},
        {2, {}, {{5, D}, {6, D}, {7, E}, {11, D}}, false},
        {2, {7}, {{5, D}, {6, E}, {7, D}, {11, D}}, false},
        {2, {7, 6}, {{5, E}, {6, D}, {7, E}, {11, E}}, false},
        {2, {7, 6, 5}, {{5, D}, {6, E}, {7, D}}, true},
        {2, {7, 6, 5, 6}, {{5, E}, {6, D}, {7, E}, {11, E}}, false},
        {3, {}, {{8, E}, {9, D}, {10, D}, {11, D}}, false},
        {3, {9}, {{8, D}, {9, D}, {10, E}}, true},
        {3, {9, 10}, {{8, E}, {9, E}, {10, D}}, false},
    };
    for (const auto& c : cases) {
        Kind(c.kind == 0 ? 1 : 0);
        Kind(c.kind);
        app->shared.SynthFile = folder + "wav\\empty.wav";
        for (int num : c.commands) Run(num);
        EXPECT_EQ(States(c.states), c.states) << "kind " << c.kind << ", commands " << c.commands.size();
        EXPECT_EQ(app->window.applyReminder.Visible(), c.attention) << "kind " << c.kind;
    }
}

// No voice yet: the buttons wait for the kind to be chosen again. Only blanks: a warning.
TEST_F(OptionsCommandsTest, GenerateWithoutAVoiceOrWithOnlyBlanksMakesNothing) {
    for (const auto& [text, generate] : {std::pair{"hello", D}, {"   ", E}}) {
        Kind(0), Kind(3);
        ui.calls.clear();
        app->window.synthesisText.SetText(text);
        Run(8);
        const std::map<int, int> states{{8, generate}, {9, D}, {10, D}, {11, D}};
        EXPECT_EQ(States(states), states) << text;
        EXPECT_EQ(ui.calls, generate == E ? std::vector<std::string>{"Warn AudioQuillares: Type some text first."}
                                          : std::vector<std::string>{}) << text;
    }
}

TEST_F(OptionsCommandsTest, HidingThePreviewsPanelStopsItAndLeavesItsButtons) {
    Kind(1);
    Run(3);
    Ticks(1);
    EXPECT_TRUE(app->player.IsPlaying()) << "it plays on while its panel shows";
    Kind(0);
    mci.commands.clear();
    Ticks(1);
    EXPECT_THAT(mci.Texts(), ::testing::Contains("close all"));
    EXPECT_EQ(State(4), E);
}

TEST_F(OptionsCommandsTest, PicturesClickOnReleaseInsideAndBlindButtonsOnlyWhenHighlighted) {
    auto& c = app->commands;
    auto& w = app->window;
    w.form.SetVisible(true);
    c.PictureMouseDown(12);
    c.PictureMouseUp(12, -1, 10);
    EXPECT_TRUE(w.form.Visible());
    EXPECT_EQ(State(13), E);
    c.PictureMouseDown(12);
    c.PictureMouseUp(12, 480, 480);
    EXPECT_FALSE(w.form.Visible());

    w.form.SetVisible(true);
    c.BlindButtonGotFocus(12);
    EXPECT_EQ(State(13), 1);
    c.BlindButtonClick(12);
    EXPECT_FALSE(w.form.Visible());
    w.form.SetVisible(true);
    c.BlindButtonClick(12);  // the command took the highlight away
    EXPECT_TRUE(w.form.Visible());
}

TEST_F(OptionsCommandsTest, OnlyWebAddressesReachTheShell) {
    const std::pair<std::string, bool> addresses[] = {
        {"HTTPS://t.example/tones?a=1", true}, {"http://t.example", true},
        {"file:///C:/Windows/calc.exe", false}, {"C:\\Windows\\calc.exe", false},
        {"javascript:alert(1)", false}, {"http://", false},
        {"http://t.example/ x.exe", false}, {"http://t.example/\"x", false}, {"mailto:a@t.example", false},
    };
    for (const auto& [address, opens] : addresses) {
        Set("skypetones", address, "window");
        shell.opened.clear();
        app->commands.OpenSkypeTonesPage();
        EXPECT_EQ(shell.opened.size(), opens ? 1u : 0u) << address;
        EXPECT_EQ(Logged("Quillares: not a web address, not opened: " + address), !opens) << address;
    }
}

// "Add a sound file": the user's own file copied into the tone folder and listed.
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
