#pragma once
#include <functional>
#include <string>

namespace quill {
class Files;
class Log;
class ToneCatalogue;
class ToneFiles;
class UiHost;
struct LanguageTexts;
struct Shared;
}  // namespace quill

namespace quill::ui {

class ToneList;
struct OptionsWindow;

// "Add a sound file": a file the user picks is copied into the program's tone folder, checked
// by its reader, listed in the catalogue and selected, ready for Play and Apply.
class AddSoundFile {
public:
    static constexpr const char* kPatterns = "*.wav;*.mp3;*.ogg;*.quilar;*.skype";
    // The copy is checked under this name, which no search lists, before it gets its own.
    static constexpr const char* kScratchName = "adding.tmp";
    // Numbered names tried after the file's own: "name (2).mp3" up to this.
    static constexpr int kMaxNumber = 999;

    struct Services {
        OptionsWindow& window;
        ToneCatalogue& catalogue;
        ToneList& toneList;
        ToneFiles& tones;
        Files& files;
        Log& log;
        UiHost& ui;
        const LanguageTexts& texts;
        const Shared& shared;
        // Apply waits for the link.
        std::function<bool()> linked;
    };
    explicit AddSoundFile(Services s) : s_(s) {}

    void Run();

private:
    // Logs the refusal and tells the user; nothing of the file stays behind.
    void Refuse(const std::string& log, const std::string& message);

    Services s_;
};

// A name in folder for a file called sourceName that no file there has: the source's own name
// made safe, or numbered; "" when every number is taken.
std::string FreeToneName(Files& files, const std::string& folder, const std::string& sourceName);

}  // namespace quill::ui
