#include <gmock/gmock.h>

#include "fakes/ProgramHarness.h"

namespace quill::test {

using ::testing::ElementsAre;

// Discovery, the attach, the quiet keep-alive and a lost delivery against a real peer are
// tests/e2e/test_link.py's.
struct LinkTest : ::testing::Test, ProgramHarness {};

TEST_F(LinkTest, AttachStatusesAndTheirLogLines) {
    Start();
    app->queue.QueueItem(WorkItem::Kind::Form1);  // the options window while detached
    Drain();
    EXPECT_TRUE(app->window.form.Visible() && app->window.warningPanel.Visible());
    EXPECT_EQ(app->window.warning.Caption(), "Please log on Skype first.");
    EXPECT_EQ(Attach(0, 0), 1);  // success without a window keeps the one known
    EXPECT_EQ(app->link.SkypeWindow, 0u);
    Attach(0, 0x99);
    Attach(0, 0);
    EXPECT_EQ(app->link.SkypeWindow, 0x99u);
    Attach(2);
    EXPECT_FALSE(app->link.SkypeAttached);
    Attach(0);
    Attach(3);
    EXPECT_FALSE(app->link.SkypeAttached);
    std::size_t lines = LogLines().size();
    Attach(0x8001);  // "API available" is ignored
    EXPECT_EQ(LogLines().size(), lines);
    EXPECT_TRUE(Logged("Skype: attach refused"));
    EXPECT_TRUE(Logged("Skype: not available"));
}

TEST_F(LinkTest, ALostSkypeShowsTheWarningAndIsRediscoveredUntilTheUserIsKnownAgain) {
    Attached();
    wire.nextResults.push_back(0);  // Skype is gone
    app->OnTimer2();
    EXPECT_EQ(app->link.LinkState(), SkypeLink::State::Lost);
    EXPECT_TRUE(app->window.warningPanel.Visible());
    EXPECT_EQ(app->window.warningPanel.Top(), 0);
    EXPECT_EQ(app->window.warningPanel.Left(), 120);
    EXPECT_FALSE(app->link.SkypeAttached);
    EXPECT_EQ(app->link.SkypeWindow, 0u);
    const auto before = wire.broadcasts.size();
    Drain();  // the queued Module1
    app->OnTimer2();  // and every 5 s until Skype answers
    EXPECT_EQ(wire.broadcasts.size(), before + 2);
    Notify("CURRENTUSERHANDLE me");
    EXPECT_TRUE(app->link.Linked());
    EXPECT_FALSE(app->window.warningPanel.Visible());
}

// Notifications that are not UTF-8, overlong forms and surrogates included, are taken in the ANSI code page.
TEST_F(LinkTest, CommandsGoOutAsUtf8WithTheirZeroAndNotificationsComeInAsUtf8OrElseAnsi) {
    Attached();
    app->link.Send("  GET USER dóra FULLNAME ");
    ASSERT_EQ(wire.sent.size(), 1u);
    EXPECT_EQ(wire.sent[0].bytes, std::string("GET USER d\xC3\xB3ra FULLNAME\0", 24));
    EXPECT_TRUE(Logged("Skype received: GET USER dóra FULLNAME"));
    app->link.Send("   ");
    EXPECT_EQ(wire.sent.size(), 1u);
    EXPECT_EQ(LogLines().back(), "Quillares: nothing to send");

    for (auto [sent, logged] : {std::pair{"D\xC3\xB3ra", "Dóra"}, {"D\xF3ra", "Dóra"}, {"\xC0\xAF", "\xC3\x80\xC2\xAF"},
                                {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"}}) {
        Notify(std::string("USER dora FULLNAME ") + sent);
        EXPECT_EQ(LogLines().back(), std::string("Skype: USER dora FULLNAME ") + logged);
    }
    app->WindowProc({74, kSkypeWindow, 0, std::string_view("USERS a\0junk", 12)});
    EXPECT_EQ(LogLines().back(), "Skype: USERS a");
    // What a peer sends is taken up to 1 MiB.
    Drain();
    Notify("CHAT x TOPIC " + std::string(Dispatcher::kMaxNotificationBytes, 'a'));
    EXPECT_EQ(app->queue.EventQueue().size(), 2 + Dispatcher::kMaxNotificationBytes);
}

// Markers are looked for when the folder watch saw a name change, once a second in case it never
// fires, and on the tick after a marker that could not be deleted; without a watch, on every tick.
TEST_F(LinkTest, MarkerFilesShowTheFirstRunWindowOrEndTheProgramWithOrWithoutAFolderWatch) {
    ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
    for (bool watch : {true, false}) {
        folderWatch.available = watch;
        Make();
        Start();
        Drain();
        files.lookups = 0;
        Ticks(20);
        EXPECT_EQ(files.lookups, watch ? 2 : 40) << watch;
        files.files[folder + "newinst.ini"] = "";
        files.locked.insert(folder + "newinst.ini");
        Ticks(1);
        ASSERT_TRUE(app->help.FirstRunOpen()) << watch;
        app->help.FirstRun()->form.SetVisible(false);
        Ticks(1);
        EXPECT_TRUE(app->help.FirstRun()->form.Visible()) << watch;
        files.locked.clear();
        Ticks(2);
        EXPECT_FALSE(files.Exists(folder + "newinst.ini")) << watch;
        files.lookups = 0;
        Ticks(5);
        EXPECT_EQ(files.lookups, watch ? 0 : 10) << watch;
        files.files[folder + "install.ini"] = "";
        Ticks(1);
        EXPECT_FALSE(files.Exists(folder + "install.ini")) << watch;
        EXPECT_TRUE(app->Ended()) << watch;
    }
}

// Chat topics, names and moods are written by other users; none may command the program.
TEST_F(LinkTest, TextFromOtherUsersNeverBecomesWorkNorLogLines) {
    Attached();
    Notify("CHAT #bob/$anna;1 TOPIC hi\t>SET USERSTATUS INVISIBLE");
    Notify("CHAT #bob/$anna;1 TOPIC hi\tUnload\tMenu1\tModule1");
    Notify("USER bob MOOD_TEXT ok\r\n01-01-2026 00:00:00\tQuillares: END");
    Drain();
    EXPECT_TRUE(wire.Commands().empty());
    EXPECT_FALSE(app->Ended());
    EXPECT_TRUE(ui.menuShown.empty());
    EXPECT_FALSE(Logged("Quillares: END"));
    EXPECT_EQ(LogLines().back(), "Skype: USER bob MOOD_TEXT ok  01-01-2026 00:00:00\tQuillares: END");

    // A long notification is logged cut, whole characters only, and said to be.
    Notify("CHAT x TOPIC " + std::string(1986, 'a') + "\xC3\xA9\xC3\xA9tail");
    EXPECT_EQ(LogLines().back(), "Skype: CHAT x TOPIC " + std::string(1986, 'a') + " [cut at 2000 of 2007 bytes]");
}

TEST_F(LinkTest, TheWindowProcedureTakesOnlyWhatIsItsOwn) {
    Start();
    Ticks(1);  // the empty item asks for the names while there are none
    EXPECT_EQ(app->queue.EventQueue(), "Module1\tList1");
    EXPECT_EQ(app->WindowProc({app->link.MsgDiscover, kMainWindow, 0, {}}), 1);
    EXPECT_EQ(app->WindowProc({app->link.MsgUnload, 0, 0, {}}), 1);  // the program ends on a later tick
    EXPECT_EQ(LogLines().back(), "Quillares: Unload command received");
    EXPECT_EQ(app->WindowProc({0x0200, 0, 0, {}}), std::nullopt);
    EXPECT_EQ(app->WindowProc({0, 0, 0, {}}), std::nullopt);
    // Explorer restarted: the icon is added again, but not once the program has ended.
    ui.calls.clear();
    EXPECT_EQ(app->WindowProc({wire.registered["TaskbarCreated"], 0, 0, {}}), 0);
    EXPECT_THAT(ui.calls, ElementsAre("AddTrayIcon"));
    app->CloseOptionsWindow();
    ui.calls.clear();
    app->tray.OnTaskbarCreated();
    EXPECT_TRUE(ui.calls.empty());
}

struct TrayTest : LinkTest {};

TEST_F(TrayTest, MouseActionsQueueWorkOnlyWhileTheWindowIsHidden) {
    Attached();
    EXPECT_EQ(app->WindowProc({1025, 100, 512, {}}), std::nullopt);  // a move is not ours
    ui.menuChoice = 0;  // Options; Exit ends the program as every other way to end does
    EXPECT_EQ(app->WindowProc({1025, 100, 516, {}}), 1);
    EXPECT_TRUE(app->queue.Holds(WorkItem::Kind::Menu1));
    Drain();
    EXPECT_THAT(ui.menuShown, ElementsAre("Options", "-", "Exit"));
    EXPECT_TRUE(app->window.form.Visible() && Logged("Quillares: show options"));
    EXPECT_THAT(wire.Commands(), ElementsAre("SEARCH FRIENDS"));
    EXPECT_EQ(app->WindowProc({1025, 100, 515, {}}), std::nullopt);
    EXPECT_TRUE(app->queue.Empty());
}

TEST_F(TrayTest, ADoubleClickBeforeTheLeftClicksMenuWinsOverIt) {
    Attached();
    app->WindowProc({1025, 100, 513, {}});
    Ticks(2);  // the empty item, then Menu2 comes back as Menu1
    ASSERT_TRUE(app->queue.Holds(WorkItem::Kind::Menu1));
    app->WindowProc({1025, 100, 515, {}});
    Drain();
    EXPECT_FALSE(Logged("Quillares: show pop-up menu"));
    EXPECT_TRUE(app->window.form.Visible());

    // A quick double-click: its form is queued before the left click's Menu1.
    app->window.form.SetVisible(false);
    app->WindowProc({1025, 100, 513, {}});
    app->WindowProc({1025, 100, 515, {}});
    Drain();
    EXPECT_FALSE(Logged("Quillares: show pop-up menu"));
}

}  // namespace quill::test
