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
#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/platform/Shell.h"
#include "core/platform/UiHost.h"
#include "core/server/ProgramVersion.h"
#include "core/tones/ContactTones.h"
#include "core/ui/ApplyDialog.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ServerCheck.h"
#include "core/ui/SkypeEventsDialog.h"
#include "core/ui/ToneList.h"
#include "core/ui/ToneSynthesis.h"
#include "core/ui/WebPages.h"

namespace quill::ui {

void OptionsCommands::RunCommand(Command c) {
    if (!Carry(c).EndsProgram() && s_.window.buttons) s_.window.buttons->FocusOff();
}

Outcome OptionsCommands::Carry(Command c) {
    auto& w = s_.window;
    auto& player = s_.player;
    switch (c) {
        case Command::PlayDefault:
            // Its own stop: ended or not started, the preview only brings Play back.
            w.Disable({Command::PlayDefault});
            if (!player.PlayDefaultTone(Command::PlayDefault)) w.Enable({Command::PlayDefault});
            break;
        case Command::Find:
            w.Disable({Command::Find, Command::PlayTone, Command::StopTone});
            s_.program.ShowToneSearchWindow();
            s_.toneList.FillToneList();
            w.Enable({Command::Find, Command::PlayTone});
            if (w.toneFiles.ListCount() > 0) w.Enable({Command::Apply});
            break;
        case Command::PlayTone:
            w.Disable({Command::PlayTone});
            w.Enable({Command::StopTone});
            s_.toneList.PlaySelectedTone(Command::StopTone);
            StopUnstartedPreview(Command::StopTone);
            break;
        case Command::StopTone:
            w.Disable({Command::StopTone});
            w.Enable({Command::PlayTone});
            player.StopTone();
            break;
        case Command::PlayRecording:
            w.Disable({Command::PlayRecording});
            w.Enable({Command::StopRecording});
            w.Disable({Command::Record});
            w.applyReminder.SetVisible(true);
            player.PlayRecordedTone(Command::StopRecording);
            StopUnstartedPreview(Command::StopRecording);
            break;
        case Command::StopRecording:
        {
            w.Enable({Command::PlayRecording});
            w.Disable({Command::StopRecording});
            w.Enable({Command::Record});
            w.applyReminder.SetVisible(false);
            bool applicable = true;
            if (s_.recorder.IsRecording())
                applicable = s_.recorder.RecordSave();
            else
                player.StopTone();
            if (applicable) w.Enable({Command::Apply});
            break;
        }
        case Command::Record:
            Record();
            break;
        case Command::Synthesize:
            return Generate();
        case Command::PlaySynthesis:
            w.Disable({Command::Synthesize, Command::PlaySynthesis});
            w.Enable({Command::StopSynthesis});
            w.applyReminder.SetVisible(true);
            player.PlaySynthTone(Command::StopSynthesis);
            StopUnstartedPreview(Command::StopSynthesis);
            break;
        case Command::StopSynthesis:
            w.Enable({Command::Synthesize, Command::PlaySynthesis});
            w.Disable({Command::StopSynthesis});
            w.applyReminder.SetVisible(false);
            player.StopTone();
            break;
        case Command::Apply:
            Apply();
            break;
        case Command::Help:
            s_.program.ShowHelpWindow();
            break;
        case Command::Minimize:
            w.form.SetVisible(false);
            break;
        case Command::Exit:
            s_.program.CloseOptionsWindow();
            return Outcome::ProgramEnds();
        case Command::AddSoundFile:
            s_.program.AddSoundFile();
            break;
        case Command::Events:
        {
            SkypeEventsDialog events({s_.settings, s_.player, s_.files, s_.codec, s_.log, s_.shared, s_.texts});
            s_.ui.ShowModal(events);
            break;
        }
        case Command::None:
            break;
    }
    return Outcome::Done();
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
        synthesis.MakeSynTextFor(displayName);
        std::string file = name;
        if (!synthesis.RunProgressWindow(true, displayName, file).Ok()) return std::nullopt;
        return synthesis.SynthText;
    };
    ApplyToneToContacts({s_.settings, s_.files, s_.shared, s_.tones, s_.log, [&] { return random(); }, synthesizeFor},
                        PrepareTone(s_.window, s_.shared, s_.recorder, kind), dialog.ApplyMode);
}

void OptionsCommands::Record() {
    auto& w = s_.window;
    w.Disable({Command::PlayRecording});
    w.Enable({Command::StopRecording});
    w.Disable({Command::Record, Command::Apply});
    const std::string handle = w.contactHandles.Item(w.contactNames.ListIndex());
    s_.recorder.SetFile(contact_tones::RecordingFile(s_.shared, handle));
    s_.recorder.RecordStart();
}

Outcome OptionsCommands::Generate() {
    auto& w = s_.window;
    if (Trim(w.synthesisText.Text()).empty()) {
        s_.ui.Warn(s_.texts.notext, kFileDescription);
        return Outcome::Done();
    }
    w.Disable({Command::Synthesize, Command::PlaySynthesis, Command::StopSynthesis, Command::Apply});
    if (s_.server.ReadServerDB().EndsProgram()) {
        s_.program.CloseOptionsWindow();
        return Outcome::ProgramEnds();
    }
    // Without a voice the buttons wait for the kind to be chosen again.
    if (w.voices.ListCount() > 0) s_.synthesis.SynthesizeTone();
    return Outcome::Done();
}

void OptionsCommands::StopUnstartedPreview(Command stop) {
    if (!s_.player.IsPlaying()) Carry(stop);
}

void OptionsCommands::WatchPreviewPlayback() {
    if (const Command stop = s_.player.TakeEndedPreview(); stop != Command::None) {
        // The default tone's Play is its own stop: run again, it would play once more.
        if (stop == Command::PlayDefault)
            s_.window.Enable({Command::PlayDefault});
        else
            RunCommand(stop);
        return;
    }
    const Command stop = s_.player.PendingStop();
    // Each stop command is a button of the panel its preview plays from.
    if (s_.player.IsPlaying() && stop != Command::None && !s_.window.Container(OptionsWindow::ButtonContainer(stop)).Visible())
        s_.player.StopTone();
}

void OptionsCommands::WatchRecording() {
    auto& w = s_.window;
    auto& recorder = s_.recorder;
    if (recorder.IsRecording()) {
        const RecordingProgress progress = recorder.RecordInfo(w.recordingFrame.Width());
        w.recordingBar.Resize(progress.barWidth, w.recordingBar.Height());
        if (progress.minuteFull) RunCommand(Command::StopRecording);
        w.recordingTime.SetCaption(ElapsedCaption(progress.shown));
    }
    if (!w.kindPanels[2].Visible()) recorder.RecordCancel();
}

void OptionsCommands::BlindButtonClick(int i) {
    auto* set = s_.window.buttons.get();
    if (set && set->State(i + 1) == kHighlighted) RunCommand(CommandOf(i + 1));
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
    if (set && set->MouseUp(xTwips, yTwips)) RunCommand(CommandOf(i + 1));
}

void OptionsCommands::BackgroundMouseMove() {
    if (auto* set = s_.window.buttons.get()) set->FocusOff();
}

void OptionsCommands::OpenSkypeTonesPage() {
    OpenWebPage(s_.shell, s_.log, PageAddress(s_.settings, WebPage::SkypeTones));
}

}  // namespace quill::ui
