#include "core/ui/LoadLanguage.h"

#include <map>

#include "core/base/LanguageTexts.h"
#include "core/ui/OptionsWindow.h"

namespace quill::ui {

namespace {

// The tool-tip key of each picture button, in number order.
constexpr const char* kButtonTips[OptionsWindow::kButtons] = {
    "buttonplay", "buttonfind",  "buttonplay",  "buttonstop",  "buttonplay",
    "buttonstop", "buttonrecord", "buttongenerate", "buttonplay", "buttonstop",
    "buttonapply", "buttonhelp", "buttonclose", "buttonexit",  "buttonevents", "buttonadd",
};
// Keys whose first word also labels a top-bar button: buttonLabels(k) for the k-th.
constexpr const char* kLabelKeys[5] = {"buttonexit", "buttonclose", "buttonhelp", "buttonevents", "buttonapply"};
constexpr Command kDisabledAtStart[] = {Command::StopTone,      Command::PlayRecording, Command::StopRecording,
                                        Command::PlaySynthesis, Command::StopSynthesis, Command::Apply};

std::string FirstWord(const std::string& value) { return value.substr(0, value.find(' ')); }

bool IsToolTipKey(const std::string& key) {
    for (const char* tip : kButtonTips)
        if (key == tip) return true;
    return false;
}

Control* CaptionOf(OptionsWindow& w, const std::string& key) {
    const std::map<std::string, Control*> captions = {
        {"idwarning", &w.warning}, {"list", &w.heading},      {"selected", &w.subheading},
        {"playtone", &w.notice},      {"tone1", &w.kindOptions[0]}, {"tone2", &w.kindOptions[1]},
        {"tone3", &w.kindOptions[2]},     {"tone4", &w.kindOptions[3]}, {"frame1", &w.panelTitles[0]},
        {"frame2", &w.panelTitles[1]},   {"frame3", &w.panelTitles[2]}, {"frame4", &w.panelTitles[3]},
        {"textsynth", &w.synthesisPrompt},     {"attention", &w.applyReminder}, {"firsthelp6", &w.tonesLink},
    };
    auto it = captions.find(key);
    return it == captions.end() ? nullptr : it->second;
}

void TakeLine(OptionsWindow& w, LanguageTexts& texts, std::map<std::string, std::string>& tips,
              const LanguageLine& line) {
    const auto& [key, value] = line;
    if (key == "caption") w.form.SetCaption(value);
    texts.Take(key, value);
    if (Control* c = CaptionOf(w, key)) c->SetCaption(value);
    if (key == "menu1") w.MenuCaptions[OptionsWindow::kMenuOptions] = value;
    if (key == "menu2") w.MenuCaptions[OptionsWindow::kMenuExit] = value;
    if (IsToolTipKey(key)) tips[key] = value;
    for (int k = 0; k < 5; ++k)
        if (key == kLabelKeys[k]) w.buttonLabels[k].SetCaption(FirstWord(value));
}

}  // namespace

void LoadLanguage(OptionsWindow& w, LanguageTexts& texts, const LanguageFile& file, const std::string& programFolder) {
    std::map<std::string, std::string> tips;
    for (const auto& line : file.Lines()) TakeLine(w, texts, tips, line);

    // The four panels share one background, held once.
    for (int k = 1; k < OptionsWindow::kKinds; ++k) w.kindPanels[k].SetPicture(w.kindPanels[0].Picture());

    w.buttons = std::make_unique<CPicButton>();
    for (int i = 0; i < OptionsWindow::kButtons; ++i) {
        const int num = i + 1;
        w.buttonFaces[i].SetPicture(programFolder + "buttons\\pbut" + std::to_string(num) + ".bmp");
        w.buttons->Add(w.buttonFaces[i], w.blindButtons[i], tips[kButtonTips[i]]);
        for (Command off : kDisabledAtStart)
            if (ButtonOf(off) == num) w.buttons->Disable(num);
    }
    if (w.contactNames.ListCount() > 0) w.contactNames.SetListIndex(0);
}

}  // namespace quill::ui
