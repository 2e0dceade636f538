#include "core/ui/OptionsCommands.h"

#include <random>

#include "core/audio/Recorder.h"
#include "core/audio/TonePlayer.h"
#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/ProgramControl.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/base/Trapped.h"
#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/platform/Shell.h"
#include "core/platform/UiHost.h"
#include "core/server/ProgramVersion.h"
#include "core/tones/ContactTones.h"
#include "core/ui/ApplyDialog.h"
#include "core/ui/ApplyTones.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/SkypeEventsDialog.h"
#include "core/ui/ToneList.h"
#include "core/ui/ToneSynthesis.h"
#include "core/ui/WebPages.h"

namespace quill::ui {

void OptionsCommands::RunCommand(int num) {
    bool goesOn = true;
    Trapped([&] { goesOn = Carry(num); });
    if (goesOn && s_.window.buttons) s_.window.buttons->FocusOff();
}

bool OptionsCommands::Carry(int num) {
    auto& w = s_.window;
    auto& player = s_.player;
    switch (num) {
        case 1:
            // Its own stop: ended or not started, the preview only brings Play back.
            w.Disable({1});
            if (!player.PlayDefaultTone(1)) w.Enable({1});
            break;
        case 2:
            w.Disable({2, 3, 4});
            s_.program.ShowToneSearchWindow();
            s_.toneList.FillToneList();
            w.Enable({2, 3});
            if (w.toneFiles.ListCount() > 0) w.Enable({11});
            break;
        case 3:
            w.Disable({3});
            w.Enable({4});
            s_.toneList.PlaySelectedTone(4);
            StopUnstartedPreview(4);
            break;
        case 4:
            w.Disable({4});
            w.Enable({3});
            player.StopTone();
            break;
        case 5:
            w.Disable({5});
            w.Enable({6});
            w.Disable({7});
            w.applyReminder.SetVisible(true);
            player.PlayRecordedTone(6);
            StopUnstartedPreview(6);
            break;
        case 6:
        {
            w.Enable({5});
            w.Disable({6});
            w.Enable({7});
            w.applyReminder.SetVisible(false);
            bool applicable = true;
            if (s_.recorder.IsRecording())
                applicable = s_.recorder.RecordSave();
            else
                player.StopTone();
            if (applicable) w.Enable({11});
            break;
        }
        case 7:
            Record();
            break;
        case 8:
            return Generate();
        case 9:
            w.Disable({8, 9});
            w.Enable({10});
            w.applyReminder.SetVisible(true);
            player.PlaySynthTone(10);
            StopUnstartedPreview(10);
            break;
        case 10:
            w.Enable({8, 9});
            w.Disable({10});
            w.applyReminder.SetVisible(false);
            player.StopTone();
            break;
        case 11:
            Apply();
            break;
        case 12:
            s_.program.ShowHelpWindow();
            break;
        case 13:
            w.form.SetVisible(false);
            break;
        case 14:
            s_.program.CloseOptionsWindow();
            return false;
        case 16:
            s_.program.AddSoundFile();
            break;
        case 15:
        {
            SkypeEventsDialog events({s_.settings, s_.player, s_.files, s_.codec, s_.log, s_.shared, s_.texts});
            s_.ui.ShowModal(events);
            break;
        }
        default:
            break;
    }
    return true;
}

void OptionsCommands::Apply() {
    s_.log.WriteLog("Quillares: apply tone");
    const int kind = s_.window.ChosenKind();
    ApplyDialog dialog({s_.files, s_.codec, s_.log, s_.shared, s_.texts, s_.ui});
    s_.ui.ShowModal(dialog);
    if (dialog.ApplyMode < 0) return;
    // Seeded from the time of day, as each Apply asks for new names.
    const LocalTime now = s_.clock.Now();
    std::minstd_rand random(static_cast<unsigned>(now.hour * 3600 + now.minute * 60 + now.second) + 1u);
    auto synthesizeFor = [&](const std::string& displayName, const std::string& name) -> std::optional<std::string> {
        auto& synthesis = s_.synthesis;
        synthesis.SynthesisDone = false;
        synthesis.MakeSynTextFor(displayName);
        std::string file = name;
        if (!synthesis.RunProgressWindow(true, displayName, file)) return std::nullopt;
        return synthesis.SynthText;
    };
    ApplyToneToContacts({s_.window, s_.settings, s_.files, s_.shared, s_.tones, s_.log, [&] { return random(); },
                         synthesizeFor},
                        kind, dialog.ApplyMode);
}

void OptionsCommands::Record() {
    auto& w = s_.window;
    w.Disable({5});
    w.Enable({6});
    w.Disable({7, 11});
    const std::string handle = w.contactHandles.Item(w.contactNames.ListIndex());
    s_.shared.RecordFile = contact_tones::RecordingFile(s_.shared, handle);
    s_.recorder.RecordStart();
}

bool OptionsCommands::Generate() {
    auto& w = s_.window;
    if (Trim(w.synthesisText.Text()).empty()) {
        s_.ui.Warn(s_.texts.notext, kFileDescription);
        return true;
    }
    w.Disable({8, 9, 10, 11});
    if (s_.synthesis.ReadServerDB()) {
        s_.program.CloseOptionsWindow();
        return false;
    }
    // Without a voice the buttons wait for the kind to be chosen again.
    if (w.voices.ListCount() > 0) s_.synthesis.SynthesizeTone();
    return true;
}

void OptionsCommands::StopUnstartedPreview(int stop) {
    if (!s_.player.IsPlaying()) Carry(stop);
}

void OptionsCommands::WatchPreviewPlayback() {
    if (const int stop = s_.player.TakeEndedPreview()) {
        // The default tone's Play is its own stop: run again, it would play once more.
        if (stop == 1)
            s_.window.Enable({1});
        else
            RunCommand(stop);
        return;
    }
    const int stop = s_.player.PendingStop();
    // Each stop command is a button of the panel its preview plays from.
    if (s_.player.IsPlaying() && stop > 0 && !s_.window.Container(OptionsWindow::ButtonContainer(stop)).Visible())
        s_.player.StopTone();
}

void OptionsCommands::WatchRecording() {
    auto& w = s_.window;
    auto& recorder = s_.recorder;
    if (recorder.IsRecording()) {
        const RecordingProgress progress = recorder.RecordInfo(w.recordingFrame.Width());
        w.recordingBar.Resize(progress.barWidth, w.recordingBar.Height());
        if (progress.minuteFull) RunCommand(6);
        w.recordingTime.SetCaption(ElapsedCaption(progress.shown));
    }
    if (!w.kindPanels[2].Visible()) recorder.RecordCancel();
}

void OptionsCommands::BlindButtonClick(int i) {
    auto* set = s_.window.buttons.get();
    if (set && set->State(i + 1) == 1) RunCommand(i + 1);
}

void OptionsCommands::BlindButtonGotFocus(int i) {
    if (auto* set = s_.window.buttons.get()) {
        set->FocusOff();
        set->FocusOn(i + 1);
    }
}

void OptionsCommands::BlindButtonLostFocus(int) {
    if (auto* set = s_.window.buttons.get()) set->FocusOff();
}

void OptionsCommands::PictureMouseDown(int i) {
    auto* set = s_.window.buttons.get();
    if (!set || i < 0 || i >= OptionsWindow::kButtons) return;
    s_.window.blindButtons[i].SetFocus();
    set->MouseDown(i + 1);
}

void OptionsCommands::PictureMouseMove(int i) {
    if (auto* set = s_.window.buttons.get()) set->FocusOn(i + 1);
}

void OptionsCommands::PictureMouseUp(int i, int xTwips, int yTwips) {
    auto* set = s_.window.buttons.get();
    if (set && set->MouseUp(xTwips, yTwips)) RunCommand(i + 1);
}

void OptionsCommands::BackgroundMouseMove() {
    if (auto* set = s_.window.buttons.get()) set->FocusOff();
}

void OptionsCommands::OpenSkypeTonesPage() {
    OpenWebPage(s_.shell, s_.log, PageAddress(s_.settings, WebPage::SkypeTones));
}

}  // namespace quill::ui
