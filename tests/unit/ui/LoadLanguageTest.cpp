#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using LoadLanguageTest = OptionsFixture;

TEST_F(LoadLanguageTest, FillsCaptionsTipsAndTextsFromTheFile) {
    StartWith(" caption  = Quill =x\r\nlist=Kontakte\r\ntone3=Rec\r\nframe4=Speak\r\nbuttonexit=Leave now\r\n"
              "buttonplay=Play it\r\nmenu2=Quit\r\nTone1=ignored\r\nnotext=Type!\r\nlist=Leute\r\n");
    auto& w = app->window;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {w.form.Caption(), " Quill =x"},
        {app->texts.caption, " Quill =x"},
        {app->texts.notext, "Type!"},
        {w.heading.Caption(), "Leute"},
        {w.kindOptions[2].Caption(), "Rec"},
        {w.kindOptions[0].Caption(), "Default Skype\u2122 ringtone"},
        {w.panelTitles[3].Caption(), "Speak"},
        {w.buttonLabels[0].Caption(), "Leave"},
        {w.buttonLabels[1].Caption(), "Minimize"},
        {w.buttonFaces[13].ToolTipText(), "Leave now"},
        {w.buttonFaces[8].ToolTipText(), "Play it"},
        {w.blindButtons[4].Caption(), "Play it"},
        {w.buttonFaces[3].ToolTipText(), ""},
        {w.MenuCaptions[2], "Quit"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

TEST_F(LoadLanguageTest, WithoutAFileTheDesignCaptionsStayAndTheButtonsAreStillMade) {
    Start();
    auto& w = app->window;
    EXPECT_EQ(w.form.Caption(), " Audio Quillares Options");
    EXPECT_EQ(w.buttonLabels[3].Caption(), "Skype\u2122 events");
    EXPECT_EQ(app->texts.caption, "");
    for (int num = 1; num <= ui::OptionsWindow::kButtons; ++num) {
        const bool off = num == 4 || num == 5 || num == 6 || num == 9 || num == 10 || num == 11;
        EXPECT_EQ(State(num), off ? D : -1) << num;
        const auto& pic = w.buttonFaces[num - 1];
        // Undrawn buttons still show their own strip's left slice.
        EXPECT_EQ(pic.Picture(), off ? "" : folder + "buttons\\pbut" + std::to_string(num) + ".bmp") << num;
    }
}

TEST_F(LoadLanguageTest, ExitEndsTheProgramAndReleasesThePictureButtons) {
    Start();
    app->commands.RunCommand(Command::Exit);
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(app->window.buttons, nullptr);
}

}  // namespace
}  // namespace quill::test
