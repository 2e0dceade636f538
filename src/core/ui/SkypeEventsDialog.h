#pragma once
#include <array>
#include <string>

#include "core/ui/Dialog.h"

namespace quill {
class Files;
class Log;
class Settings;
class TextCodec;
class TonePlayer;
struct LanguageTexts;
struct Shared;
}  // namespace quill

namespace quill::ui {

// Which Skype events are announced with a tone: the six changes of the own status, a chat
// message and a finished call. A checked box previews its tone; OK stores the switches.
class SkypeEventsDialog : public Dialog {
public:
    static constexpr int kEvents = 8;
    // In box order, the events as the settings name them.
    static constexpr std::array<const char*, kEvents> EventNames = {
        "online", "away", "na", "dnd", "invisible", "loggedout", "msg", "finished"};

    struct Services {
        Settings& settings;
        TonePlayer& player;
        Files& files;
        TextCodec& codec;
        Log& log;
        const Shared& shared;
        const LanguageTexts& texts;
    };
    explicit SkypeEventsDialog(Services s);

    std::array<CheckBox, kEvents> eventBoxes;
    Control heading{"Label1"};
    Button ok{"Command1"};  // OK
    Button cancel{"Command2"};  // Cancel

private:
    void Fill();
    void BoxClicked(int i);
    void Save();

    Services s_;
    bool Loading = false;
};

}  // namespace quill::ui
