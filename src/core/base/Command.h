#pragma once

namespace quill {

// The options window's commands. Each is carried out by one picture button, and its value is
// that button's number in the set: the strips buttons\pbut1.bmp to pbut16.bmp and the
// language file's tool tips follow the same order. None is no command at all.
enum class Command {
    None = 0,
    PlayDefault,    // previews the default ringtone; it is its own stop
    Find,           // searches the tone folders and lists the catalogue
    PlayTone,       // previews the catalogue tone
    StopTone,
    PlayRecording,  // previews the contact's recording
    StopRecording,  // also saves a recording that is running
    Record,
    Synthesize,     // asks the tone server for the spoken text
    PlaySynthesis,
    StopSynthesis,
    Apply,
    Help,
    Minimize,
    Exit,
    Events,         // the Skype events dialog
    AddSoundFile,
};

constexpr int kCommands = 16;

// The picture button that carries command c out, 1 to kCommands; 0 for None.
constexpr int ButtonOf(Command c) { return static_cast<int>(c); }
// The command of button num; None outside 1 to kCommands.
constexpr Command CommandOf(int num) {
    return num >= 1 && num <= kCommands ? static_cast<Command>(num) : Command::None;
}

}  // namespace quill
