#pragma once
#include <string>

#include "core/ui/Dialog.h"

namespace quill::ui {

class ToneSynthesis;

// Form6: fetches one spoken tone once it is on the screen, and says how it went.
class ProgressWindow : public Dialog {
public:
    explicit ProgressWindow(ToneSynthesis& owner);

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

private:
    void WhenLoaded();
    void FirstTick();
    void Cancel();
    void ShowError(const std::string& text);

    ToneSynthesis& owner_;
    bool ticked_ = false;
    bool transferring_ = false;
};

}  // namespace quill::ui
