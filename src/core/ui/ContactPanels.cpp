#include "core/ui/ContactPanels.h"

#include "core/audio/Recorder.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/tones/ContactTones.h"
#include "core/tones/ToneFiles.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ToneList.h"

namespace quill::ui {

namespace ct = contact_tones;

namespace {

// The stored "_file" as a path; empty stays empty.
std::string StoredPath(Settings& settings, const Shared& shared, const std::string& handle) {
    const std::string value = ct::StoredFile(settings, handle);
    return value.empty() ? value : ResolvePath(shared.ProgramFolder, value);
}

}  // namespace

void ContactPanels::Attach() {
    s_.window.contactNames.OnClick = [this] { SelectContact(); };
    for (int k = 0; k < OptionsWindow::kKinds; ++k) s_.window.kindOptions[k].OnClick = [this, k] { SwitchKind(k); };
}

void ContactPanels::SelectContact() {
    auto& w = s_.window;
    const int row = w.contactNames.ListIndex();
    if (row < 0) return;
    const std::string handle = w.contactHandles.Item(row);
    w.contactHandle.SetCaption(handle);
    w.contactName.SetCaption(w.contactNames.Item(row));
    const int kind = ct::KindOf(s_.settings, handle);
    // Any other kind selects no option: the panel stays as it was.
    if (kind < 0 || kind >= OptionsWindow::kKinds) return;
    if (w.kindOptions[kind].Value()) {
        SwitchKind(kind);
        return;
    }
    w.SelectKind(kind);
}

void ContactPanels::SwitchKind(int kind) {
    auto& w = s_.window;
    if (w.contactNames.ListIndex() < 0 || kind < 0 || kind >= OptionsWindow::kKinds) return;
    // The switch shows the panel afresh, for this contact or another: a recording left running
    // would lose its Stop, or be saved over the file of the contact now shown.
    s_.recorder.RecordCancel();
    for (int k = 0; k < OptionsWindow::kKinds; ++k) w.kindPanels[k].SetVisible(k == kind);
    w.applyReminder.SetVisible(false);

    const std::string handle = w.contactHandle.Caption();
    const int contactKind = ct::KindOf(s_.settings, handle);
    switch (kind) {
        case 0:
            w.Enable({Command::PlayDefault});
            EnableApplyIfLinked();
            break;
        case 1:
            ShowCatalogueTone(contactKind, handle);
            break;
        case 2:
            ShowRecording(contactKind, handle);
            break;
        case 3:
            ShowSynthesis(contactKind, handle);
            break;
    }
}

void ContactPanels::ShowCatalogueTone(int contactKind, const std::string& handle) {
    auto& w = s_.window;
    s_.toneList.FillToneList();
    w.Enable({Command::Find, Command::PlayTone});
    w.Disable({Command::StopTone});
    if (w.toneTitles.ListCount() == 0) {
        w.Disable({Command::Apply});
        return;
    }
    w.toneTitles.SetListIndex(0);
    if (contactKind == 1) {
        const std::string file = ct::StoredFile(s_.settings, handle);
        const auto& files = w.toneFiles.Items();
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (files[i] != file) continue;
            w.toneTitles.SetListIndex(static_cast<int>(i));
            break;
        }
    }
    EnableApplyIfLinked();
}

void ContactPanels::ShowRecording(int contactKind, const std::string& handle) {
    auto& w = s_.window;
    w.Disable({Command::StopRecording});
    w.Enable({Command::Record});
    if (contactKind == 2) {
        s_.recorder.SetFile(StoredPath(s_.settings, s_.shared, handle));
        if (!s_.recorder.File().empty()) {
            // A stored recording counts as applicable even before the link is up.
            w.Enable({Command::PlayRecording, Command::Apply});
        } else if (const std::string own = ct::RecordingFile(s_.shared, handle); s_.files.Exists(own)) {
            s_.recorder.SetFile(own);
            w.Enable({Command::PlayRecording});
            EnableApplyIfLinked();
        } else {
            w.Disable({Command::PlayRecording, Command::Apply});
        }
    } else {
        // The recorder's file stays: Record sets it anew.
        w.Disable({Command::PlayRecording, Command::Apply});
    }
    w.recordingBar.Resize(30, w.recordingBar.Height());
    w.recordingTime.SetCaption("0:00");
}

void ContactPanels::ShowSynthesis(int contactKind, const std::string& handle) {
    auto& w = s_.window;
    w.Enable({Command::Synthesize});
    w.Disable({Command::StopSynthesis});
    s_.shared.SynthFile = contactKind == 3 ? StoredPath(s_.settings, s_.shared, handle) : "";
    w.synthesisText.SetText("");
    if (s_.shared.SynthFile.empty() || !s_.files.Exists(s_.shared.SynthFile)) {
        w.Disable({Command::PlaySynthesis, Command::Apply});
        return;
    }
    if (auto text = s_.tones.ReadContainerText(s_.shared.SynthFile)) w.synthesisText.SetText(*text);
    w.Enable({Command::PlaySynthesis});
    EnableApplyIfLinked();
}

void ContactPanels::EnableApplyIfLinked() {
    if (s_.linked()) s_.window.Enable({Command::Apply});
}

}  // namespace quill::ui
