#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/ProgramHarness.h"

namespace quill::test {

using ::testing::ElementsAre;

struct LinkTest : ::testing::Test, ProgramHarness {
    // Started, discovered and attached, with the commands so far forgotten.
    void Attached() {
        Start();
        Ticks(2);
        Attach(0);
        Drain();
        wire.sent.clear();
    }
};

TEST_F(LinkTest, FirstTickTakesTheEmptyItemSecondDiscovers) {
    Start();
    Ticks(1);
    EXPECT_TRUE(wire.broadcasts.empty());
    EXPECT_EQ(app->queue.EventQueue(), "Module1\tList1");
    EXPECT_FALSE(app->window.pingTimer.Enabled());
    Ticks(1);
    EXPECT_TRUE(app->window.pingTimer.Enabled());
    EXPECT_THAT(wire.broadcasts, ElementsAre(kMainWindow));
}

TEST_F(LinkTest, PendingThenSuccessAsksForTheUser) {
    Start();
    Ticks(2);
    Attach(1);
    app->OnTimer2();  // still not attached: discover again
    EXPECT_EQ(wire.broadcasts.size(), 2u);
    Attach(0);
    Drain();
    EXPECT_THAT(wire.Commands(), ElementsAre("GET CURRENTUSERHANDLE"));
    EXPECT_EQ(wire.sent[0].to, kSkypeWindow);
    EXPECT_EQ(wire.sent[0].from, kMainWindow);
    EXPECT_TRUE(Logged("Skype: pending authorization"));
    EXPECT_TRUE(Logged("Skype: successfully attached"));
    EXPECT_TRUE(Logged("Skype received: GET CURRENTUSERHANDLE"));
}

TEST_F(LinkTest, AttachStatusesAndTheirLogLines) {
    Start();
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

TEST_F(LinkTest, KeepAlivePingsQuietlyAndALostSkypeIsRediscovered) {
    Attached();
    std::size_t lines = LogLines().size();
    app->OnTimer2();
    EXPECT_THAT(wire.Commands(), ElementsAre("PING"));
    Notify("PONG");
    EXPECT_EQ(LogLines().size(), lines);  // neither PING nor PONG is logged

    wire.nextResults.push_back(0);  // Skype is gone
    app->OnTimer2();
    EXPECT_EQ(LogLines().back(), "Skype: ERROR sending message, try re-connecting");
    EXPECT_TRUE(app->window.warningPanel.Visible());
    EXPECT_EQ(app->window.warningPanel.Top(), 0);
    EXPECT_EQ(app->window.warningPanel.Left(), 120);
    EXPECT_FALSE(app->link.SkypeAttached);
    EXPECT_EQ(app->link.SkypeWindow, 0u);
    auto before = wire.broadcasts.size();
    Drain();  // the queued Module1
    EXPECT_EQ(wire.broadcasts.size(), before + 1);
    app->OnTimer2();  // and every 5 s until Skype answers
    EXPECT_EQ(wire.broadcasts.size(), before + 2);
}

TEST_F(LinkTest, CommandsGoOutAsUtf8WithTheirZero) {
    Attached();
    app->link.Send("  GET USER dóra FULLNAME ");
    ASSERT_EQ(wire.sent.size(), 1u);
    EXPECT_EQ(wire.sent[0].bytes, std::string("GET USER d\xC3\xB3ra FULLNAME\0", 24));
    EXPECT_TRUE(Logged("Skype received: GET USER dóra FULLNAME"));
    app->link.Send("   ");
    EXPECT_EQ(wire.sent.size(), 1u);
    EXPECT_EQ(LogLines().back(), "Quillares: nothing to send");
}

TEST_F(LinkTest, NotificationsAreUtf8OrElseAnsi) {
    Attached();
    Notify("USER dora FULLNAME D\xC3\xB3ra");
    EXPECT_TRUE(Logged("Skype: USER dora FULLNAME Dóra"));
    Notify("USER dora FULLNAME D\xF3ra");  // not UTF-8: taken in the ANSI code page
    EXPECT_EQ(LogLines().back(), "Skype: USER dora FULLNAME Dóra");
    // Overlong forms and surrogates are not UTF-8 either.
    Notify("USER dora FULLNAME \xC0\xAF");
    EXPECT_EQ(LogLines().back(), "Skype: USER dora FULLNAME \xC3\x80\xC2\xAF");
    Notify("USER dora FULLNAME \xED\xA0\x80");
    EXPECT_EQ(LogLines().back(), "Skype: USER dora FULLNAME \xC3\xAD\xC2\xA0\xC2\x80");
    app->WindowProc({74, kSkypeWindow, 0, std::string_view("USERS a\0junk", 12)});
    EXPECT_EQ(LogLines().back(), "Skype: USERS a");
    // What a peer sends is taken up to 1 MiB.
    Drain();
    Notify("CHAT x TOPIC " + std::string(Dispatcher::kMaxNotificationBytes, 'a'));
    EXPECT_EQ(app->queue.EventQueue().size(), 2 + Dispatcher::kMaxNotificationBytes);
}

TEST_F(LinkTest, UnloadMessageEndsTheProgramOnTheNextTicks) {
    Attached();
    EXPECT_EQ(app->WindowProc({app->link.MsgUnload, 0, 0, {}}), 1);
    EXPECT_EQ(LogLines().back(), "Quillares: Unload command received");
    Drain();
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(LogLines().back(), "Quillares: END");
    EXPECT_TRUE(ui.destroyed);
}

TEST_F(LinkTest, MarkerFilesEndTheProgramOrShowTheFirstRunWindow) {
    ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
    Start();
    files.files[folder + "newinst.ini"] = "";
    Ticks(1);
    EXPECT_FALSE(files.Exists(folder + "newinst.ini"));
    EXPECT_TRUE(app->help.FirstRunOpen());
    files.files[folder + "install.ini"] = "";
    Ticks(1);
    EXPECT_FALSE(files.Exists(folder + "install.ini"));
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(LogLines().back(), "Quillares: END");
}

// The markers are looked for only when the folder watch saw a file name change, and on the
// tick after a marker that could not be deleted, just as when looking every tick.
TEST_F(LinkTest, MarkersAreLookedForWhenTheFolderChanged) {
    ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
    Start();
    Drain();
    // Unchanged, the folder is looked at once a second (two lookups), in case the watch never fires.
    files.lookups = 0;
    Ticks(20);
    EXPECT_EQ(files.lookups, 2);

    files.files[folder + "newinst.ini"] = "";
    files.locked.insert(folder + "newinst.ini");
    Ticks(1);
    ASSERT_TRUE(app->help.FirstRunOpen());
    app->help.FirstRun()->form.SetVisible(false);
    Ticks(1);
    EXPECT_TRUE(app->help.FirstRun()->form.Visible());
    files.locked.clear();
    Ticks(2);
    EXPECT_FALSE(files.Exists(folder + "newinst.ini"));
    files.lookups = 0;
    Ticks(5);
    EXPECT_EQ(files.lookups, 0);
}

TEST_F(LinkTest, WithoutAFolderWatchMarkersAreLookedForEveryTick) {
    folderWatch.available = false;
    Start();
    Ticks(3);
    files.files[folder + "install.ini"] = "";
    Ticks(1);
    EXPECT_TRUE(app->Ended());
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
    EXPECT_EQ(app->WindowProc({app->link.MsgDiscover, kMainWindow, 0, {}}), 1);
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
    Start();
    Ticks(2);
    EXPECT_EQ(app->WindowProc({1025, 100, 516, {}}), 1);
    EXPECT_EQ(app->WindowProc({1025, 100, 512, {}}), std::nullopt);  // a move is not ours
    EXPECT_TRUE(app->queue.Holds(WorkItem::Kind::Menu1));
    app->window.form.SetVisible(true);
    Drain();
    EXPECT_EQ(app->WindowProc({1025, 100, 515, {}}), std::nullopt);
    EXPECT_TRUE(app->queue.Empty());
}

TEST_F(TrayTest, RightClickPopsUpTheMenuAndOptionsShowsTheWindow) {
    Attached();
    ui.menuChoice = 0;
    app->WindowProc({1025, 100, 516, {}});
    Drain();
    EXPECT_TRUE(Logged("Quillares: show pop-up menu"));
    EXPECT_THAT(ui.menuShown, ElementsAre("Options", "-", "Exit"));
    EXPECT_TRUE(Logged("Quillares: show options"));
    EXPECT_THAT(wire.Commands(), ElementsAre("SEARCH FRIENDS"));
    EXPECT_TRUE(app->window.form.Visible());
}

TEST_F(TrayTest, ExitFromTheMenuEndsTheProgram) {
    Attached();
    ui.menuChoice = 2;
    app->WindowProc({1025, 100, 516, {}});
    Drain();
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(LogLines().back(), "Quillares: END");
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

    app->window.form.SetVisible(false);
    app->WindowProc({1025, 100, 513, {}});
    Drain();
    EXPECT_TRUE(Logged("Quillares: show pop-up menu"));
}

TEST_F(TrayTest, OptionsWhileDetachedShowsTheWarning) {
    Start();
    app->queue.QueueItem(WorkItem::Kind::Form1);
    Drain();
    EXPECT_TRUE(app->window.form.Visible());
    EXPECT_TRUE(app->window.warningPanel.Visible());
    EXPECT_EQ(app->window.warning.Caption(), "Please log on Skype first.");
}

}  // namespace quill::test
