#include "core/ui/SkypeEventsDialog.h"

#include "core/audio/TonePlayer.h"
#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/tones/EventTones.h"
#include "core/ui/LanguageFile.h"

namespace quill::ui {

namespace {

constexpr const char* kCaptions[SkypeEventsDialog::kEvents] = {
    "You are online",     "You are away",          "You are not available", "Do not disturb",
    "You are invisible",  "You are logged out",    "Incoming chat message", "Conversation finished"};

}  // namespace

SkypeEventsDialog::SkypeEventsDialog(Services s)
    : Dialog("frmEvents"), eventBoxes(Named<CheckBox, kEvents>("chkEvent")), s_(s) {
    form.SetCaption("Quillares - Skype Events");
    form.Resize(4500, 4350);
    heading.SetCaption("Skype events to be announced:");
    heading.Move(240, 180);
    heading.Resize(3900, 255);
    controls.push_back(&heading);
    for (int i = 0; i < kEvents; ++i) {
        auto& box = eventBoxes[i];
        box.SetCaption(kCaptions[i]);
        box.Move(360, 540 + i * 360);
        box.Resize(3780, 300);
        box.OnClick = [this, i] { BoxClicked(i); };
        controls.push_back(&box);
    }
    AddOkCancel(ok, cancel, 1380, 3480);
    ok.OnClick = [this] { Save(); };
    cancel.OnClick = [this] { Unload(); };
    OnLoad = [this] { Fill(); };
}

void SkypeEventsDialog::Fill() {
    for (const auto& [key, value] : LanguageFile::Read(s_.files, s_.codec, s_.log,
                                                       s_.shared.ProgramFolder + s_.shared.LangFile)
                                        .Lines()) {
        if (key == "events") {
            form.SetCaption(value);
        } else if (StartsWith(key, "event")) {
            const char last = key.back();
            const int d = last >= '1' && last <= '9' ? last - '0' : 0;
            if (d == 0)
                heading.SetCaption(value);
            else if (d <= kEvents)
                eventBoxes[d - 1].SetCaption(value);
        }
    }
    if (!s_.texts.ok.empty()) ok.SetCaption(s_.texts.ok);
    if (!s_.texts.cancel.empty()) cancel.SetCaption(s_.texts.cancel);
    Loading = true;
    for (int i = 0; i < kEvents; ++i)
        eventBoxes[i].SetValue(event_tones::SwitchedOn(s_.settings, EventNames[i]));
    Loading = false;
}

void SkypeEventsDialog::BoxClicked(int i) {
    if (!eventBoxes[i].Value() || Loading) return;
    const std::string tone = event_tones::StoredTone(s_.settings, EventNames[i]);
    s_.player.Preview(ResolvePath(s_.shared.ProgramFolder, tone), Command::None);
}

void SkypeEventsDialog::Save() {
    {
        SettingsBatch batch(s_.settings);
        for (int i = 0; i < kEvents; ++i)
            s_.settings.WriteIni("wav", event_tones::SwitchKey(EventNames[i]), eventBoxes[i].Value() ? "1" : "0");
    }
    s_.log.WriteLog("Quillares: save events");
    Unload();
}

}  // namespace quill::ui
