#include "core/ui/ApplyDialog.h"

#include "core/audio/Recorder.h"
#include "core/base/LanguageTexts.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/UiHost.h"
#include "core/ui/LanguageFile.h"
#include "core/ui/OptionsWindow.h"

namespace quill::ui {

ApplyDialog::ApplyDialog(Services s) : Dialog("frmApply"), applyTo(Named<OptionButton, 3>("Option1")), s_(s) {
    form.SetCaption("Apply ringtone");
    form.Resize(5100, 2550);
    const char* captions[] = {"Apply to &current contact", "Apply to &all contacts",
                              "Apply to contacts with &default ringtone"};
    for (int i = 0; i < 3; ++i) {
        applyTo[i].SetCaption(captions[i]);
        applyTo[i].Move(240, 180 + i * 390);
        applyTo[i].Resize(4560, 330);
        controls.push_back(&applyTo[i]);
    }
    applyTo[0].SetValue(true);
    AddOkCancel(ok, cancel, 2040, 1560);
    ok.OnClick = [this] { Ok(); };
    cancel.OnClick = [this] {
        ApplyMode = -1;
        Unload();
    };
    OnLoad = [this] { ReadLanguage(); };
}

void ApplyDialog::ReadLanguage() {
    for (const auto& [key, value] : LanguageFile::Read(s_.files, s_.codec, s_.log,
                                                       s_.shared.ProgramFolder + s_.shared.LangFile)
                                        .Lines()) {
        if (key == "applytone") {
            form.SetCaption(value);
        } else if (key == "confirmapplyall") {
            confirmAll_ = value;
        } else if (StartsWith(key, "apply")) {
            const int n = static_cast<int>(Val(key.substr(key.size() - 1)));
            if (n >= 1 && n <= 3) applyTo[n - 1].SetCaption(value);
        }
    }
    if (!s_.texts.ok.empty()) ok.SetCaption(s_.texts.ok);
    if (!s_.texts.cancel.empty()) cancel.SetCaption(s_.texts.cancel);
}

void ApplyDialog::Ok() {
    int chosen = 0;
    for (int i = 2; i >= 0; --i)
        if (applyTo[i].Value()) chosen = i;
    if (chosen == 1) {
        form.SetEnabled(false);
        const bool yes = s_.ui.AskYesNoOver(*this, confirmAll_, form.Caption());
        form.SetEnabled(true);
        // Loaded no more: the program ended meanwhile.
        if (!yes || !Loaded()) return;
    }
    ApplyMode = chosen;
    Unload();
}

PreparedTone PrepareTone(const OptionsWindow& w, const Shared& shared, const Recorder& recorder, int kind) {
    PreparedTone tone;
    tone.kind = kind;
    switch (kind) {
        case 1:
            tone.file = w.toneTitles.ListIndex() >= 0 ? w.toneFiles.Item(w.toneTitles.ListIndex()) : shared.DefaultTone;
            break;
        case 2:
            tone.file = recorder.File();
            break;
        case 3:
            tone.personal = Contains(w.synthesisText.Text(), "CONTACT");
            break;
        default:
            tone.file = shared.DefaultTone;
            break;
    }
    tone.shownHandle = w.contactHandle.Caption();
    for (int row = 0; row < w.contactNames.ListCount(); ++row)
        tone.contacts.emplace_back(w.contactHandles.Item(row), w.contactNames.Item(row));
    if (const int row = w.contactNames.ListIndex(); row >= 0) tone.selected = w.contactHandles.Item(row);
    return tone;
}

}  // namespace quill::ui
