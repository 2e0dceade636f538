#include "core/ui/OptionsCommands.h"

#include "core/audio/TonePlayer.h"
#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/ProgramControl.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/base/Trapped.h"
#include "core/placeholders/NotYetBuilt.h"
#include "core/platform/Files.h"
#include "core/platform/Shell.h"
#include "core/platform/UiHost.h"
#include "core/server/ProgramVersion.h"
#include "core/tones/ContactTones.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ToneList.h"

namespace quill::ui {

namespace {
constexpr int kDisabled = 3;
}

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
            if (w.ButtonState(1) != kDisabled) {
                w.Disable({1});
                player.PlayDefaultTone(1);
            } else {
                // The preview has ended: the main loop runs this again.
                w.Enable({1});
            }
            break;
        case 2:
            w.Disable({2, 3, 4});
            s_.program.ShowToneSearchWindow();
            s_.toneList.FillToneList();
            w.Enable({2, 3});
            if (w.List4.ListCount() > 0) w.Enable({11});
            break;
        case 3:
            w.Disable({3});
            w.Enable({4});
            s_.toneList.PlaySelectedTone(4);
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
            w.lblAttention.SetVisible(true);
            player.PlayRecordedTone(6);
            break;
        case 6:
            w.Enable({5});
            w.Disable({6});
            w.Enable({7, 11});
            w.lblAttention.SetVisible(false);
            if (placeholders::IsRecording())
                placeholders::RecordSave();
            else
                player.StopTone();
            break;
        case 7:
            Record();
            break;
        case 8:
            return Generate();
        case 9:
            w.Disable({8, 9});
            w.Enable({10});
            w.lblAttention.SetVisible(true);
            player.PlaySynthTone(10);
            break;
        case 10:
            w.Enable({8, 9});
            w.Disable({10});
            w.lblAttention.SetVisible(false);
            player.StopTone();
            break;
        case 11: {
            s_.log.WriteLog("Quillares: apply tone");
            const int kind = w.ChosenKind();
            if (placeholders::ShowApplyDialog() >= 0) placeholders::ApplyToneToContacts(kind);
            break;
        }
        case 12:
            placeholders::ShowHelpWindow();
            break;
        case 13:
            w.Form1.SetVisible(false);
            break;
        case 14:
            s_.program.CloseOptionsWindow();
            return false;
        case 15:
            placeholders::ShowSkypeEventsDialog();
            break;
        default:
            break;
    }
    return true;
}

void OptionsCommands::Record() {
    auto& w = s_.window;
    w.Disable({5});
    w.Enable({6});
    w.Disable({7, 11});
    const std::string handle = w.List3.Item(w.List1.ListIndex());
    s_.shared.RecordFile = contact_tones::RecordingFile(s_.shared, handle);
    s_.files.Delete(s_.shared.RecordFile);
    placeholders::RecordStart();
}

bool OptionsCommands::Generate() {
    auto& w = s_.window;
    if (Trim(w.txtSyn.Text()).empty()) {
        s_.ui.Warn(s_.texts.notext, kFileDescription);
        return true;
    }
    w.Disable({8, 9, 10, 11});
    if (placeholders::ReadServerDB()) {
        s_.program.CloseOptionsWindow();
        return false;
    }
    // Without a voice the buttons wait for the kind to be chosen again.
    if (w.cmdGender.ListCount() > 0) placeholders::SynthesizeTone();
    return true;
}

void OptionsCommands::WatchPreviewPlayback() {
    if (const int stop = s_.player.TakeEndedPreview()) {
        RunCommand(stop);
        return;
    }
    const int stop = s_.player.PendingStop();
    // Each stop command is a button of the panel its preview plays from.
    if (s_.player.IsPlaying() && stop > 0 && !s_.window.Container(OptionsWindow::ButtonContainer(stop)).Visible())
        s_.player.StopTone();
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
    s_.window.BlindButton[i].SetFocus();
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
    const std::string page = Trim(s_.settings.ReadIni("window", "skypetones"));
    if (!page.empty()) s_.shell.Open("open", page, "", "");
}

}  // namespace quill::ui
