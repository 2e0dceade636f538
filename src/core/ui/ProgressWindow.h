#pragma once
#include <string>

#include "core/base/Outcome.h"
#include "core/ui/Dialog.h"

namespace quill {
class Files;
class Log;
class TextCodec;
class UiHost;
class clsHTTP;
struct LanguageTexts;
struct Shared;
}  // namespace quill

namespace quill::ui {

class ServerCheck;
struct OptionsWindow;

// Form6: fetches one spoken tone once it is on the screen, and says how it went.
class ProgressWindow : public Dialog {
public:
    struct Services {
        const OptionsWindow& window;  // its voice, read when the transfer begins
        const ServerCheck& server;    // the speech address and the voices' identifiers
        clsHTTP& http;
        Log& log;
        UiHost& ui;
        const LanguageTexts& texts;
        const Shared& shared;
        Files& files;
        TextCodec& codec;
    };
    ProgressWindow(Services s, std::string text);

    // Set before it is shown.
    bool isApplying = false;
    std::string ApplyingTo;
    // The answer's file in ProgramFolder + "tones\"; the full path after the run.
    std::string FileName;

    Control heading{"Label1"};
    Button ok{"Command1(0)"};
    Button cancel{"Command1(1)"};
    Timer tickTimer{"Timer1", 100, false};

    void RunSynthesis();
    // Done once a tone arrived; Failed until then and after a cancel or an error.
    const Outcome& Result() const { return result_; }

private:
    void WhenLoaded();
    void FirstTick();
    void Cancel();
    void ShowError(const std::string& text);

    Services s_;
    const std::string text_;
    Outcome result_ = Outcome::Failed("no tone yet");
    bool ticked_ = false;
    bool transferring_ = false;
};

}  // namespace quill::ui
