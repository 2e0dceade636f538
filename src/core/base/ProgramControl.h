#pragma once

namespace quill {

// What parts deep inside the program may ask of the program as a whole.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    // Closes the options window, which runs shutdown.
    virtual void CloseOptionsWindow() = 0;
    // Not modal, window state normal.
    virtual void ShowFirstRunWindow() = 0;
    // The help and about window, modal.
    virtual void ShowHelpWindow() = 0;
    // Find's window, modal: it rebuilds the tone catalogue.
    virtual void ShowToneSearchWindow() = 0;
    // A new per-user settings file gets its first tone catalogue.
    virtual void CountToneCatalogue() = 0;
    // "Add a sound file": the user's own file brought into the catalogue.
    virtual void AddSoundFile() = 0;
};

}  // namespace quill
