#pragma once
#include <array>
#include <string>

#include "core/tones/ApplyTones.h"
#include "core/ui/Dialog.h"

namespace quill {
class Files;
class Log;
class Recorder;
class TextCodec;
class UiHost;
struct LanguageTexts;
struct Shared;
}  // namespace quill

namespace quill::ui {

struct OptionsWindow;

// The tone the window has prepared for kind (0 to 3), and the contacts it may go to.
PreparedTone PrepareTone(const OptionsWindow& window, const Shared& shared, const Recorder& recorder, int kind);

// Whom a prepared tone is for: the selected contact, all contacts, or those still on the
// default ringtone. ApplyMode is -1 unless OK chose one.
class ApplyDialog : public Dialog {
public:
    struct Services {
        Files& files;
        TextCodec& codec;
        Log& log;
        const Shared& shared;
        const LanguageTexts& texts;
        UiHost& ui;
    };
    explicit ApplyDialog(Services s);

    std::array<OptionButton, 3> applyTo;
    Button ok{"Command1"};  // OK
    Button cancel{"Command2"};  // Cancel
    int ApplyMode = -1;

private:
    void ReadLanguage();
    void Ok();

    Services s_;
    std::string confirmAll_;
};

}  // namespace quill::ui
