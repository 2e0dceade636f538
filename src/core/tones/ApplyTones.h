#pragma once
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quill {

class Files;
class Log;
class Settings;
class ToneFiles;
struct Shared;

struct ApplyServices {
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

// What the options window has prepared, taken at the moment the user chose whom for.
struct PreparedTone {
    int kind = 0;             // 0 to 3
    std::string file;         // the tone for kinds 0 to 2
    std::string shownHandle;  // the contact whose panel shows it
    bool personal = false;    // a synthesis whose text names each contact
    // The contacts at the question, handle and display name, and the selected one's handle.
    // A list refreshed during a synthesis neither ends the run nor shifts names.
    std::vector<std::pair<std::string, std::string>> contacts;
    std::optional<std::string> selected;
};

// Gives the prepared tone to the selected contact (mode 0), to all contacts (1) or to those
// still on the default ringtone (2).
void ApplyToneToContacts(const ApplyServices& s, const PreparedTone& tone, int mode);

// stem + a random number + ".quilar", naming no file in folder yet. The number is drawn from
// 0 to 99999 first, from a wider range when those keep being taken; nullopt when no free name
// turned up at all.
std::optional<std::string> FreeToneName(Files& files, const std::string& folder, const std::string& stem,
                                        const std::function<unsigned()>& draw);

}  // namespace quill
