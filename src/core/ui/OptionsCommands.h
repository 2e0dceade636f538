#pragma once

#include "core/base/Command.h"
#include "core/base/Outcome.h"

namespace quill {
class Clock;
class Files;
class Log;
class Recorder;
class ProgramControl;
class Settings;
class Shell;
class TextCodec;
class ToneFiles;
class TonePlayer;
class UiHost;
struct LanguageTexts;
struct Shared;
}  // namespace quill

namespace quill::ui {

class ServerCheck;
class ToneList;
class ToneSynthesis;
struct OptionsWindow;

// The options window's sixteen picture-button commands, the events of their pictures and
// blind buttons, and the watch that ends a preview.
class OptionsCommands {
public:
    struct Services {
        OptionsWindow& window;
        TonePlayer& player;
        Recorder& recorder;
        ToneList& toneList;
        Log& log;
        Files& files;
        Shared& shared;
        Settings& settings;
        const LanguageTexts& texts;
        UiHost& ui;
        Shell& shell;
        ProgramControl& program;
        TextCodec& codec;
        ToneFiles& tones;
        Clock& clock;
        ToneSynthesis& synthesis;
        ServerCheck& server;
    };
    explicit OptionsCommands(Services s) : s_(s) {}

    // Carries out command c and leaves no button highlighted.
    void RunCommand(Command c);

    // Every tick of the main loop: a preview that played to its end runs its stop command; a
    // preview whose panel is hidden stops, its buttons left as they are.
    void WatchPreviewPlayback();
    // Every tick of the main loop: the progress of a recording, saved at one minute, cancelled
    // once its panel is hidden.
    void WatchRecording();

    // Events of picture button index i (number i + 1). Points are in twips.
    void BlindButtonClick(int i);
    void BlindButtonGotFocus(int i);
    void BlindButtonLostFocus(int i);
    void PictureMouseDown(int i);
    void PictureMouseMove(int i);
    void PictureMouseUp(int i, int xTwips, int yTwips);
    // The mouse over the window's background, a panel, the top bar or a label under a button.
    void BackgroundMouseMove();

    // tonesLink: the page of the Skype tones.
    void OpenSkypeTonesPage();

private:
    // ProgramEnds when the command ended the program.
    Outcome Carry(Command c);
    Outcome Generate();
    void Record();
    void Apply();
    // A preview that did not start leaves its buttons as its stop command does.
    void StopUnstartedPreview(Command stop);

    Services s_;
};

}  // namespace quill::ui
