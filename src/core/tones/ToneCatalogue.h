#pragma once
#include <functional>
#include <string>

namespace quill {

class Files;
class Log;
class Registry;
class Settings;
class ToneFiles;
class UiHost;
struct LanguageTexts;
struct Shared;

// The tones found on disk, numbered in section tones of the current settings file: "number",
// then "tone" and "file" followed by 1 to number.
class ToneCatalogue {
public:
    // The tone list reads no further, so a search writes no further.
    static constexpr int kMaxEntries = 10000;
    // A folder search gives up after this many names, listed or not.
    static constexpr int kMaxNamesPerFolder = 100000;

    struct Services {
        Settings& settings;
        Files& files;
        Log& log;
        ToneFiles& tones;
        const LanguageTexts& texts;
        UiHost& ui;
        Registry& registry;
        const Shared& shared;
    };
    explicit ToneCatalogue(Services s) : s_(s) {}

    // Lists the files of folder (ends in "\") that match pattern as entries count + 1 on,
    // raising count by one for each.
    void SearchToneFolder(const std::string& folder, const std::string& pattern, int& count);

    // A new per-user settings file starts with the program's own tones.
    void CountToneCatalogue();

    // Find: the program's own tones (containers, then MP3 and Ogg files), Skype's tone files,
    // the recordings, in that order; show gets each pattern as its search starts.
    void SearchAllTones(const std::function<void(const std::string&)>& show);

    // Skype's picture folder from its settings; "" when not set or unreadable.
    std::string ReadSkypePicturesPath();

    // The file folder + name as the entry after the stored ones, titled as a search would, or
    // by its name when that gives none; false when the catalogue is full (logged).
    bool AddTone(const std::string& folder, const std::string& name);

private:
    std::string TitleOf(const std::string& folder, const std::string& name);
    void SearchOwnTones(int& count, const std::function<void(const std::string&)>& show);
    void WriteEntry(int number, const std::string& title, const std::string& file);
    void WriteNumber(int count);

    Services s_;
};

// Skype keeps its tones beside its pictures: the path up to and including its last blank,
// then "Content\".
std::string SkypeContentFolder(const std::string& picturesPath);

}  // namespace quill
