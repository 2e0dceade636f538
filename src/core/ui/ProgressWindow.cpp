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
    Label1.Move(120, 120);
    Label1.Resize(4095, 495);
    Command1[0].SetCaption("&OK");
    Command1[0].SetEnabled(false);
    Command1[0].Move(840, 780);
    Command1[0].Resize(1215, 375);
    Command1[1].SetCaption("&Cancel");
    Command1[1].Move(2280, 780);
    Command1[1].Resize(1215, 375);
    controls = {&Label1, &Command1[0], &Command1[1], &Timer1};
    defaultButton = &Command1[0];
    cancelButton = &Command1[1];
    Command1[0].OnClick = [this] { Unload(); };
    Command1[1].OnClick = [this] { Cancel(); };
    Timer1.OnTick = [this] { FirstTick(); };
    OnLoad = [this] { WhenLoaded(); };
}

void ProgressWindow::WhenLoaded() {
    const auto& texts = owner_.s_.texts;
    if (isApplying) {
        form.SetCaption(texts.applying);
        Label1.SetCaption(texts.applying + ": " + ApplyingTo);
    } else {
        form.SetCaption(texts.downloading);
        Label1.SetCaption(texts.downloading + "...");
    }
    // A language file without the texts leaves the buttons their design captions.
    if (!texts.ok.empty()) Command1[0].SetCaption(texts.ok);
    if (!texts.cancel.empty()) Command1[1].SetCaption(texts.cancel);
    owner_.s_.ui.DoEvents();
    if (Dialog::Loaded()) Timer1.SetEnabled(true);
}

// Only the first tick acts: by then the window has painted.
void ProgressWindow::FirstTick() {
    if (ticked_) return;
    ticked_ = true;
    RunSynthesis();
}

void ProgressWindow::RunSynthesis() {
    auto& s = owner_.s_;
    const int at = s.window.cmdGender.ListIndex();
    const auto index = static_cast<std::size_t>(at < 0 ? 0 : at);
    const std::string voice = index < owner_.VoiceIds.size() ? owner_.VoiceIds[index] : "";
    s.log.WriteLog("Quillares: begin of synthesis");
    const std::string folder = s.shared.ProgramFolder + "tones";
    transferring_ = true;
    const std::string result = s.http ? s.http->GenerateWave(folder, FileName, owner_.SynthUrl, voice, owner_.SynthText)
                                      : std::string("Connection error: Error details are not available.");
    transferring_ = false;
    Command1[0].SetEnabled(true);
    FileName = folder + "\\" + FileName;
    if (!result.empty()) return ShowError(result);
    const std::uint64_t size = s.files.Size(FileName).value_or(0);
    if (size > kMaxErrorBytes) {
        Label1.SetCaption(s.texts.dowloaded);
        s.log.WriteLog("Quillares: end of synthesis");
        owner_.SynthesisDone = true;
        Unload();
        return;
    }
    if (size == 0) return ShowError("Server connection failed.");
    ShowError(s.codec.AnsiToUtf8(s.files.Read(FileName, 0, kMaxErrorBytes).value_or("")));
}

void ProgressWindow::ShowError(const std::string& text) {
    Label1.SetCaption("ERROR: " + text);
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
