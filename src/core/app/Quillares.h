#pragma once
#include <optional>

#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/app/NestedLoops.h"
#include "core/app/Ports.h"
#include "core/base/ProgramControl.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/app/MainLoop.h"
#include "core/app/Tray.h"
#include "core/audio/Recorder.h"
#include "core/audio/TonePlayer.h"
#include "core/tones/ToneCatalogue.h"
#include "core/tones/ToneFiles.h"
#include "core/base/Guarded.h"
#include "core/server/clsHTTP.h"
#include "core/skype/Dispatcher.h"
#include "core/skype/SkypeLink.h"
#include "core/app/WindowLinkView.h"
#include "core/app/WindowProc.h"
#include "core/skype/WorkQueue.h"
#include "core/ui/ContactPanels.h"
#include "core/ui/HelpWindows.h"
#include "core/ui/OptionsCommands.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ServerCheck.h"
#include "core/ui/ToneList.h"
#include "core/ui/ToneSynthesis.h"

namespace quill {

// The whole program behind its window. The adapter calls in with plain values; everything
// decided here is decided in core.
class Quillares : public ProgramControl {
public:
    enum class StartResult { Running, SecondInstance };

    explicit Quillares(Ports ports);

    // The options window's load; mainWindow is its handle.
    StartResult Start(WindowHandle mainWindow);

    // The event seam.
    std::optional<std::intptr_t> WindowProc(const WindowMessage& m);
    void OnTimer1();
    void OnTimer2() {
        if (!endPending_) Guard([&] { loop.Timer2Tick(); });
    }
    // Close box, system menu or Alt+F4: the window hides, the program stays.
    void OnCloseBox() { window.form.SetVisible(false); }
    // The system is ending the session.
    void OnSystemShutdown() { CloseOptionsWindow(); }
    // The user moved the window.
    void OnFormMoved(int leftTwips, int topTwips) { window.form.Move(leftTwips, topTwips); }
    void OpenLog();

    // ProgramControl. Inside a transfer or a modal window the program ends once they have
    // stopped and the stack has unwound: ending under them would free what they still use.
    void CloseOptionsWindow() override;
    void ShowFirstRunWindow() override { help.ShowFirstRunWindow(); }
    void ShowHelpWindow() override { help.ShowHelpWindow(); }
    void ShowToneSearchWindow() override;
    void CountToneCatalogue() override { catalogue.CountToneCatalogue(); }
    void AddSoundFile() override;

    bool Ended() const { return ended_; }

    // Every event from the window enters through here; after the end none is carried out.
    template <class F>
    void Guard(F&& event) {
        if (!ended_) Guarded(log, event);
    }

    // Declared before the ports, which hand it to the whole program as the UI host.
    NestedLoops loops;
    Ports ports;
    Shared shared;
    Log log;
    Settings settings;
    ui::OptionsWindow window;
    WindowLinkView linkView{window};
    ui::HelpWindows help;
    WorkQueue queue;
    SkypeLink link;
    ToneFiles tones;
    TonePlayer player;
    Recorder recorder;
    LanguageTexts texts;
    ToneCatalogue catalogue;
    ui::ToneList toneList;
    ui::ContactPanels panels;
    // The program's one server client; its deadlines are read at start-up.
    clsHTTP server;
    ui::ServerCheck serverCheck;
    ui::ToneSynthesis synthesis;
    ui::OptionsCommands commands;
    Dispatcher dispatcher;
    Tray tray;
    MainLoop loop;
    WindowProcedure proc;

private:
    void ReadWindowPosition();
    TransferDeadlines ReadTransferDeadlines();
    // A loop or a transfer is running below the caller.
    bool Nested() const { return loops.Depth() > 0 || server.Busy(); }
    void EndNow();
    void LoadLanguage();

    bool ended_ = false;
    bool endPending_ = false;
};

}  // namespace quill
