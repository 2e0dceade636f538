#pragma once
#include <string>

#include "core/platform/SkypeWire.h"

namespace quill {

// The main settings file in the program folder: the installer's, and the one a user's own
// file is first copied from.
inline constexpr const char* kMainSettingsFile = "Quillares.ini";

// The program-wide values of the frame; they live from start-up to shutdown.
struct Shared {
    std::string ProgramFolder;  // always ends in "\"
    std::string IniName;        // the current settings file, no folder
    std::string UserId;         // own Skype handle
    std::string LangFile;
    std::string DefaultTone;
    WindowHandle MainWindowHandle = 0;
    bool SoundOn = false;  // false while the own status is dnd or offline
    std::string SynthFile;   // the synthesised tone, set by the synthesis panel
};

}  // namespace quill
