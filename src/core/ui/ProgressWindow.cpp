#include "core/ui/ProgressWindow.h"

#include <utility>

#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/platform/Files.h"
#include "core/platform/TextCodec.h"
#include "core/platform/UiHost.h"
#include "core/server/clsHTTP.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ServerCheck.h"

namespace quill::ui {

namespace {
// Up to this many bytes the answer is the server's own error text, not a tone.
constexpr std::uint64_t kMaxErrorBytes = 1000;
}  // namespace

ProgressWindow::ProgressWindow(Services s, std::string text) : Dialog("Form6"), s_(s), text_(std::move(text)) {
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
    const auto& texts = s_.texts;
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
    s_.ui.DoEvents();
    if (Dialog::Loaded()) tickTimer.SetEnabled(true);
}

// Only the first tick acts: by then the window has painted.
void ProgressWindow::FirstTick() {
    if (ticked_) return;
    ticked_ = true;
    RunSynthesis();
}

void ProgressWindow::RunSynthesis() {
    const int at = s_.window.voices.ListIndex();
    const auto index = static_cast<std::size_t>(at < 0 ? 0 : at);
    const auto& ids = s_.server.VoiceIds;
    const std::string voice = index < ids.size() ? ids[index] : "";
    s_.log.WriteLog("Quillares: begin of synthesis");
    const std::string folder = s_.shared.ProgramFolder + "tones";
    transferring_ = true;
    const Outcome fetched = s_.http.GenerateWave(folder, FileName, s_.server.SynthUrl, voice, text_);
    transferring_ = false;
    ok.SetEnabled(true);
    FileName = folder + "\\" + FileName;
    if (!fetched.Ok()) return ShowError(fetched.Error());
    const std::uint64_t size = s_.files.Size(FileName).value_or(0);
    if (size > kMaxErrorBytes) {
        heading.SetCaption(s_.texts.dowloaded);
        s_.log.WriteLog("Quillares: end of synthesis");
        result_ = Outcome::Done();
        Unload();
        return;
    }
    if (size == 0) return ShowError("Server connection failed.");
    ShowError(s_.codec.AnsiToUtf8(s_.files.Read(FileName, 0, kMaxErrorBytes).value_or("")));
}

void ProgressWindow::ShowError(const std::string& text) {
    heading.SetCaption("ERROR: " + text);
    // The server's own words among them: a text such as "START" must not act on the log.
    s_.log.WriteLogData("", text);
    result_ = Outcome::Failed(text);
}

void ProgressWindow::Cancel() {
    // Only its own transfer: one refused for another under way must not cancel that one.
    if (transferring_) s_.http.CancelOperationFlag = true;
    result_ = Outcome::Failed("cancelled");
    Unload();
}

}  // namespace quill::ui
