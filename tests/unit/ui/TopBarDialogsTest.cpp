// The dialogs of the top bar: the help window with the first-run window, and the Skype events.
#include <algorithm>
#include <gmock/gmock.h>

#include "core/ui/HelpWindow.h"
#include "core/ui/SkypeEventsDialog.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ::testing::ElementsAre;
using Button = ui::Button;

struct HelpWindowsTest : OptionsFixture {
    // Command 12, the user clicking the help window's link.
    void ClickHelpLink(Button ui::HelpWindow::*link) {
        ui.whileModal = [link](ui::Dialog& d) { d.Click(static_cast<ui::HelpWindow&>(d).*link); };
        app->commands.RunCommand(Command::Help);
    }
};

TEST_F(HelpWindowsTest, EachLinkOpensItsPageOrItsFallback) {
    StartWith();
    const std::string web = "http://q.example/", guide = "https://q.example/guide", up = "http://q.example/up";
    const struct {
        std::map<std::string, std::string> pages;
        std::string guide, home, update, tones;
    } cases[] = {
        {{{"web", web}, {"webguide", ""}, {"webupdate", ""}, {"skypetones", ""}}, web, web, web, ""},
        {{{"webguide", guide}, {"webupdate", up}, {"skypetones", "http://t.example/"}}, guide, web, up, "http://t.example/"},
    };
    for (const auto& c : cases) {
        for (const auto& [key, page] : c.pages) Set(key, page, "window");
        const std::pair<Button ui::HelpWindow::*, std::string> links[] = {
            {&ui::HelpWindow::guideLink, c.guide}, {&ui::HelpWindow::homeLink, c.home},
            {&ui::HelpWindow::updateLink, c.update}, {&ui::HelpWindow::tonesLink, c.tones}};
        for (const auto& [link, address] : links) {
            shell.opened.clear();
            ClickHelpLink(link);
            EXPECT_EQ(shell.opened, address.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{"open|" + address + "||"})
                << address;
        }
    }
}

TEST_F(HelpWindowsTest, OnlyWebAddressesReachTheShell) {
    StartWith();
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

// The help window's heading and notice, and the design captions, are the end-to-end tests' business.
TEST_F(HelpWindowsTest, CaptionsComeFromTheLanguageFile) {
    StartWith("firsthelp6=Tones\r\nfirsthelp1=Click~the icon\r\nfirsthelp7=Never again\r\nhelpclose=Shut\r\n"
              "firsthelp8=ignored\r\n");
    std::vector<std::string> shown;
    ui.whileModal = [&](ui::Dialog& d) {
        auto& w = static_cast<ui::HelpWindow&>(d);
        shown = {w.tonesLink.Caption(), w.guideLink.Caption(), w.cancel.Caption()};
    };
    app->commands.RunCommand(Command::Help);
    EXPECT_THAT(shown, ElementsAre("Tones", "Open Getting Started guide", "Shut"));
    app->ShowFirstRunWindow();
    auto* first = app->help.FirstRun();
    ASSERT_NE(first, nullptr);
    EXPECT_THAT((std::vector{first->heading.Caption(), first->dontShowAgain.Caption(), first->subheading.Caption()}),
                ElementsAre("Click\r\nthe icon", "Never again", "Select Options when this menu appears:"));
    EXPECT_EQ(first->trayPicture.Picture(), folder + "buttons\\tray.bmp");
}

// The box checked is the end-to-end tests' business.
TEST_F(HelpWindowsTest, ASecondStartRaisesTheFirstRunWindowAndItsBoxLeftBlankKeepsItComing) {
    const std::string main = folder + "Quillares.ini", own = folder + "anna.ini";
    ini.Set(main, "window", "skiphelp", "");
    ini.Set(main, "window", "id", "anna");
    StartWith();
    auto* first = app->help.FirstRun();
    ASSERT_NE(first, nullptr);
    first->form.SetState(ui::WindowState::Minimized);
    app->ShowFirstRunWindow();
    EXPECT_EQ(first->form.State(), ui::WindowState::Normal);
    EXPECT_EQ(std::count(ui.calls.begin(), ui.calls.end(), "ShowModeless Form7"), 1);
    first->Click(first->ok);
    EXPECT_FALSE(app->help.FirstRunOpen());
    EXPECT_EQ(ini.Get(main, "window", "skiphelp") + ini.Get(own, "window", "skiphelp"), "");
}

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
