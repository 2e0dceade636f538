#include "core/ui/ToneSynthesis.h"

#include "core/base/Shared.h"
#include "core/platform/Files.h"
#include "core/platform/UiHost.h"
#include "core/tones/ToneFiles.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ProgressWindow.h"
#include "core/ui/ServerCheck.h"

namespace quill::ui {

namespace {

// Each match is replaced once: a replacement that holds the pattern is not searched again.
void ReplaceAll(std::string& text, const std::string& pattern, const std::string& with) {
    for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + with.size()))
        text.replace(at, pattern.size(), with);
}

}  // namespace

void ToneSynthesis::MakeSynText(int num) {
    const auto& w = s_.window;
    MakeSynTextFor(num == -1 ? w.contactName.Caption() : w.contactNames.Item(num));
}

void ToneSynthesis::MakeSynTextFor(const std::string& name) {
    SynthText = s_.window.synthesisText.Text();
    ReplaceAll(SynthText, "CONTACT", name);
    ReplaceAll(SynthText, "\r\n", " ");
}

Outcome ToneSynthesis::RunProgressWindow(bool isApplying, const std::string& applyingTo, std::string& fileName) {
    ProgressWindow window({s_.window, s_.server, s_.http, s_.log, s_.ui, s_.texts, s_.shared, s_.files, s_.codec},
                          SynthText);
    window.isApplying = isApplying;
    window.ApplyingTo = applyingTo;
    window.FileName = fileName;
    s_.ui.ShowModal(window);
    fileName = window.FileName;
    return window.Result();
}

void ToneSynthesis::SynthesizeTone() {
    auto& synthFile = s_.shared.SynthFile;
    const std::string tones = s_.shared.ProgramFolder + "tones\\";
    synthFile = "tmp.quilar";
    s_.files.Delete(tones + synthFile);
    MakeSynText(-1);
    std::string name = synthFile;
    const bool arrived = RunProgressWindow(false, "", name).Ok();
    if (synthFile.find('\\') == std::string::npos) synthFile = tones + synthFile;
    // An answer that is no wave cannot be played: it goes the way of a failed one.
    if (arrived && s_.tones.WrapToneFile(synthFile, SynthText)) {
        s_.window.Enable({Command::PlaySynthesis});
        s_.window.Disable({Command::StopSynthesis});
        s_.window.Enable({Command::Apply});
    } else {
        s_.files.Delete(synthFile);
        synthFile.clear();
    }
    s_.window.Enable({Command::Synthesize});
}

}  // namespace quill::ui
