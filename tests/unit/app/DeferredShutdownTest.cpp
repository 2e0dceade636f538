#include <algorithm>

#include "core/ui/ProgressWindow.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

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

}  // namespace
}  // namespace quill::test
