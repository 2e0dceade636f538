#include <gmock/gmock.h>

#include <algorithm>
#include <stdexcept>

#include "core/ui/ProgressWindow.h"
#include "ui/OptionsFixture.h"

namespace quill::test {

using ::testing::ElementsAre;

struct StartupTest : ::testing::Test, ProgramHarness {
    std::string MainIni() const { return folder + "Quillares.ini"; }
};

TEST_F(StartupTest, LogsTheStartQueuesTheAttachAndAddsTheTrayIconAfterTheWindowProcedure) {
    files.files[folder + "Quillares.log"] = "last run\r\n";
    ini.Set(MainIni(), "window", "language", "");
    Start();
    EXPECT_EQ(app->shared.ProgramFolder, folder);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"Quillares: START", "Quillares: user=",
                                                    "Quillares: interface=english.txt"}));
    EXPECT_EQ(app->shared.DefaultTone, "wav\\default.wav");
    EXPECT_TRUE(app->shared.SoundOn);
    EXPECT_EQ(app->queue.EventQueue(), "\tModule1");
    EXPECT_EQ(app->link.MsgAttach, wire.registered["SkypeControlAPIAttach"]);
    EXPECT_EQ(app->link.MsgUnload, wire.registered["QuillaresUnload"]);
    EXPECT_THAT(ui.calls, ElementsAre("ShowModeless Form7", "InstallWindowProc", "AddTrayIcon"));
    EXPECT_EQ(std::tie(ui.tray.id, ui.tray.flags, ui.tray.callbackMessage, ui.tray.tip),
              std::make_tuple(100u, 7u, 1025u, std::string("Quillares")));
    EXPECT_EQ(app->shared.MainWindowHandle, kMainWindow);
    EXPECT_FALSE(app->window.form.Visible());
}

TEST_F(StartupTest, ASecondStartLeavesAMarkerAndNothingElse) {
    process.another = true;
    files.files[folder + "Quillares.log"] = "running instance\r\n";
    EXPECT_EQ(app->Start(kMainWindow), Quillares::StartResult::SecondInstance);
    EXPECT_EQ(files.files[folder + "newinst.ini"], files.files[MainIni()]);
    EXPECT_EQ(LogText(), "running instance\r\n");
    EXPECT_TRUE(ui.calls.empty() && app->queue.Empty());
}

TEST_F(StartupTest, WindowPositionFallsBackForMissingOrNonPositiveValues) {
    for (const char* top : {"0", "-5", "", "abc"}) {
        ini.Set(MainIni(), "window", "top", top);
        Make();
        Start();
        EXPECT_EQ(app->window.form.Top(), 1) << top;
        EXPECT_EQ(app->window.form.Left(), ui.screenWidthTwips - app->window.form.Width() - 30);
    }
    ini.Set(MainIni(), "window", "top", "1200.6");
    ini.Set(MainIni(), "window", "left", "2400");
    Make();
    Start();
    EXPECT_EQ(app->window.form.Top(), 1201);
    EXPECT_EQ(app->window.form.Left(), 2400);
}

TEST_F(StartupTest, AKnownHandleGetsItsOwnSettingsFileCopiedOnce) {
    ini.Set(MainIni(), "window", "id", "  anna ");
    ini.Set(MainIni(), "window", "language", "deutsch.txt");
    Start();
    EXPECT_TRUE(Logged("Quillares: user=anna"));
    EXPECT_EQ(app->shared.IniName, "anna.ini");
    // The copy, with its first tone catalogue (no containers here).
    EXPECT_EQ(files.files[folder + "anna.ini"], files.files[MainIni()] + "[tones]\r\nnumber=0\r\n");
    EXPECT_EQ(app->shared.LangFile, "deutsch.txt");

    // From then on the handle's own file counts, and it is not copied again.
    ini.Set(folder + "anna.ini", "wav", "default", "wav\\anna.wav");
    const std::string own = files.files[folder + "anna.ini"];
    Make();
    Start();
    EXPECT_EQ(app->shared.DefaultTone, "wav\\anna.wav");
    EXPECT_EQ(files.files[folder + "anna.ini"], own);

    // A copy that fails leaves the run on the main file, and no half-made file behind.
    ini.Set(MainIni(), "window", "id", "bob");
    files.locked.insert(folder + "bob.ini");
    Make();
    Start();
    EXPECT_EQ(app->shared.IniName, "Quillares.ini");
    EXPECT_FALSE(files.Exists(folder + "bob.ini"));
    EXPECT_TRUE(Logged("Quillares: cannot copy Quillares.ini to bob.ini, staying on Quillares.ini"));
    // A handle never names a file outside the folder.
    ini.Set(MainIni(), "window", "id", "..\\evil");
    Make();
    Start();
    EXPECT_TRUE(files.Exists(folder + app->shared.IniName) && app->shared.IniName == "..%5Cevil.ini");
}

struct ShutdownTest : StartupTest {};

TEST_F(ShutdownTest, AnEventThatFailsIsLoggedOnceAndTheWindowGoesOn) {
    Start();
    int shown = 0;
    ui.whileModal = [&](ui::Dialog&) {
        if (++shown == 1) throw std::runtime_error("out of memory");
    };
    for (int click = 0; click < 2; ++click) app->Guard([&] { app->commands.RunCommand(Command::Events); });
    const auto lines = LogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Quillares: error: out of memory"), 1);
    EXPECT_EQ(shown, 2) << "the failed dialog left no modal loop behind";
    EXPECT_EQ(app->loops.Depth(), 0);
    EXPECT_FALSE(app->Ended());
}

// That the close box only hides the window is the end-to-end tests' business.
TEST_F(ShutdownTest, ADoubleClickOnThePictureOpensTheLog) {
    Start();
    app->OpenLog();
    EXPECT_THAT(shell.opened, ElementsAre("Open|Notepad|C:\\Quillares\\Quillares.log|"));
}

using DeferredShutdownTest = ServerFixture;

// Each way to end the program, asked while a spoken tone's read is blocked in the progress window.
TEST_F(DeferredShutdownTest, EveryWayToEndCancelsTheDownloadThenEndsOnceOutsideEveryLoop) {
    const std::pair<const char*, std::function<void(Quillares&)>> ways[] = {
        {"unload", [](Quillares& a) { a.WindowProc({a.link.MsgUnload, 0, 0, {}}); }},
        {"install marker", [this](Quillares&) { files.files[folder + "install.ini"] = ""; }},
        {"tray Exit", [](Quillares& a) { a.WindowProc({Tray::kCallbackMessage, 0, 516, {}}); }},
        {"end of session", [](Quillares& a) { a.OnSystemShutdown(); }},
    };
    ui.menuChoice = ui::OptionsWindow::kMenuExit;
    for (const auto& [way, ask] : ways) {
        Make(), SetUp(), Info(), app->serverCheck.ReadServerDB();
        net.answers[speech] = {std::string(9000, 'w'), 0, 0, 0, FakeInternet::kNever};
        const auto start = clock.ms;
        bool asked = false, endedInside = false;
        net.onAwait = [&] {  // after a second, with the main loop nested under the download
            if (asked || clock.ms - start < 1000) return;
            asked = true, ask(*app), Ticks(5), endedInside = app->Ended() || ui.destroyed;
        };
        ui.whileModal = [&](ui::Dialog& d) {
            static_cast<ui::ProgressWindow&>(d).tickTimer.OnTick();
            EXPECT_FALSE(d.Loaded()) << way << ": the window closes under the ending program";
        };
        std::string name = "t.quilar";
        EXPECT_FALSE(app->synthesis.RunProgressWindow(false, "", name).Ok()) << way;
        EXPECT_TRUE(asked && !endedInside && Logged("Operation has been cancelled.")) << way;
        EXPECT_LT(clock.ms - start, 1200u) << way << ": cancelled, not timed out";

        // Nothing new opens while the program ends; the first tick outside every loop ends it.
        ui.calls.clear();
        app->synthesis.RunProgressWindow(false, "", name = "t.quilar");
        EXPECT_TRUE(ui.calls.empty()) << way;
        app->OnTimer1();
        EXPECT_TRUE(app->Ended() && ui.destroyed) << way;
        const auto lines = LogLines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "Quillares: END"), 1) << way;
        ui.destroyed = false;
    }
}

}  // namespace quill::test
