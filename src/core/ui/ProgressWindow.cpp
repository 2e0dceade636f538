#include "core/ui/ProgressWindow.h"

#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/platform/Files.h"
#include "core/platform/TextCodec.h"
#include "core/platform/UiHost.h"
#include "core/server/clsHTTP.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ToneSynthesis.h"

namespace quill::ui {

namespace {
// Up to this many bytes the answer is the server's own error text, not a tone.
constexpr std::uint64_t kMaxErrorBytes = 1000;
}  // namespace

ProgressWindow::ProgressWindow(ToneSynthesis& owner) : Dialog("Form6"), owner_(owner) {
    form.SetCaption("Downloading Quillare");
    form.Resize(4455, 1815);
    heading.Move(120, 120);
    heading.Resize(4095, 495);
    ok.SetCaption("&OK");
    ok.SetEnabled(false);
    ok.Move(840, 780);
    ok.Resize(1215, 375);
    cancel.SetCaption("&Cancel");
    cancel.Move(2280, 780);
    cancel.Resize(1215, 375);
    controls = {&heading, &ok, &cancel, &tickTimer};
    defaultButton = &ok;
    cancelButton = &cancel;
    ok.OnClick = [this] { Unload(); };
    cancel.OnClick = [this] { Cancel(); };
    tickTimer.OnTick = [this] { FirstTick(); };
    OnLoad = [this] { WhenLoaded(); };
}

void ProgressWindow::WhenLoaded() {
    const auto& texts = owner_.s_.texts;
    if (isApplying) {
        form.SetCaption(texts.applying);
        heading.SetCaption(texts.applying + ": " + ApplyingTo);
    } else {
        form.SetCaption(texts.downloading);
        heading.SetCaption(texts.downloading + "...");
    }
    // A language file without the texts leaves the buttons their design captions.
    if (!texts.ok.empty()) ok.SetCaption(texts.ok);
    if (!texts.cancel.empty()) cancel.SetCaption(texts.cancel);
    owner_.s_.ui.DoEvents();
    if (Dialog::Loaded()) tickTimer.SetEnabled(true);
}

// Only the first tick acts: by then the window has painted.
void ProgressWindow::FirstTick() {
    if (ticked_) return;
    ticked_ = true;
    RunSynthesis();
}

void ProgressWindow::RunSynthesis() {
    auto& s = owner_.s_;
    const int at = s.window.voices.ListIndex();
    const auto index = static_cast<std::size_t>(at < 0 ? 0 : at);
    const std::string voice = index < owner_.VoiceIds.size() ? owner_.VoiceIds[index] : "";
    s.log.WriteLog("Quillares: begin of synthesis");
    const std::string folder = s.shared.ProgramFolder + "tones";
    transferring_ = true;
    const std::string result = s.http ? s.http->GenerateWave(folder, FileName, owner_.SynthUrl, voice, owner_.SynthText)
                                      : std::string("Connection error: Error details are not available.");
    transferring_ = false;
    ok.SetEnabled(true);
    FileName = folder + "\\" + FileName;
    if (!result.empty()) return ShowError(result);
    const std::uint64_t size = s.files.Size(FileName).value_or(0);
    if (size > kMaxErrorBytes) {
        heading.SetCaption(s.texts.dowloaded);
        s.log.WriteLog("Quillares: end of synthesis");
        owner_.SynthesisDone = true;
        Unload();
        return;
    }
    if (size == 0) return ShowError("Server connection failed.");
    ShowError(s.codec.AnsiToUtf8(s.files.Read(FileName, 0, kMaxErrorBytes).value_or("")));
}

void ProgressWindow::ShowError(const std::string& text) {
    heading.SetCaption("ERROR: " + text);
    // The server's own words among them: a text such as "START" must not act on the log.
    owner_.s_.log.WriteLogData("", text);
    owner_.SynthesisDone = false;
}

void ProgressWindow::Cancel() {
    // Only its own transfer: one refused for another under way must not cancel that one.
    if (transferring_ && owner_.s_.http) owner_.s_.http->CancelOperationFlag = true;
    owner_.SynthesisDone = false;
    Unload();
}

}  // namespace quill::ui
