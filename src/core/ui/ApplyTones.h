#pragma once
#include <functional>
#include <optional>
#include <string>

namespace quill {
class Files;
class Log;
class Settings;
class ToneFiles;
struct Shared;
}  // namespace quill

namespace quill::ui {

struct OptionsWindow;

struct ApplyServices {
    OptionsWindow& window;
    Settings& settings;
    Files& files;
    Shared& shared;
    ToneFiles& tones;
    Log& log;
    // A fresh random draw.
    std::function<unsigned()> draw;
    // Synthesises the text for the contact of that display name into "tones\" + fileName
    // through the progress window: the spoken text when a tone arrived, nullopt when none did.
    std::function<std::optional<std::string>(const std::string& displayName, const std::string& fileName)>
        synthesizeFor;
};

// Gives the tone the window has prepared for kind (0 to 3) to the selected contact (mode 0),
// to all contacts (1) or to those still on the default ringtone (2).
void ApplyToneToContacts(const ApplyServices& s, int kind, int mode);

// stem + a random number + ".quilar", naming no file in folder yet. The number is drawn from
// 0 to 99999 first, from a wider range when those keep being taken; nullopt when no free name
// turned up at all.
std::optional<std::string> FreeToneName(Files& files, const std::string& folder, const std::string& stem,
                                        const std::function<unsigned()>& draw);

}  // namespace quill::ui
