#include "core/tones/ToneCatalogue.h"

#include <algorithm>

#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/platform/Registry.h"
#include "core/platform/UiHost.h"
#include "core/tones/ToneFiles.h"

namespace quill {

namespace {

constexpr std::size_t kRegistryBufferBytes = 262;
constexpr const char* kOwnTonePatterns[] = {"*.quilar", "*.mp3", "*.ogg"};

// Ends the search whatever happens inside the loop.
class FolderSearch {
public:
    FolderSearch(Files& files, const std::string& pattern, std::string& name) : files_(files) {
        handle_ = files_.FindFirst(pattern, name);
    }
    ~FolderSearch() {
        if (handle_) files_.FindClose(*handle_);
    }
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;
    bool Found() const { return handle_.has_value(); }
    bool Next(std::string& name) { return files_.FindNext(*handle_, name); }

private:
    Files& files_;
    std::optional<Files::SearchHandle> handle_;
};

// A name field is filled with blanks before each call, so only what stands before its first
// NUL is the name the system wrote.
std::string Blank() { return std::string(260, ' '); }

}  // namespace

std::string SkypeContentFolder(const std::string& picturesPath) {
    const auto blank = picturesPath.rfind(' ');
    return (blank == std::string::npos ? std::string() : picturesPath.substr(0, blank + 1)) + "Content\\";
}

std::string ToneCatalogue::TitleOf(const std::string& folder, const std::string& name) {
    std::string title = s_.tones.ReadToneTitle(folder + name);
    // The synthesis scratch file is never offered.
    if (Contains(name, "tmp.quilar")) return "";
    if (title != "@") return title;
    const std::string stem = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
    if (!StartsWith(name, "rec_")) return stem;
    return s_.texts.recorded + " " + (stem.size() > 4 ? stem.substr(4) : std::string());
}

void ToneCatalogue::SearchToneFolder(const std::string& folder, const std::string& pattern, int& count) {
    std::string name = Blank();
    FolderSearch search(s_.files, folder + pattern, name);
    bool more = search.Found();
    for (int seen = 0; more; ++seen) {
        CutAtNul(name);
        if (name.empty()) break;
        if (count >= kMaxEntries) {
            s_.log.WriteLog("Quillares: tone catalogue full, search stopped in " + folder);
            break;
        }
        if (seen >= kMaxNamesPerFolder) {
            s_.log.WriteLog("Quillares: too many names, search stopped in " + folder);
            break;
        }
        if (const std::string title = TitleOf(folder, name); !title.empty()) WriteEntry(++count, title, folder + name);
        s_.ui.DoEvents();
        name = Blank();
        more = search.Next(name);
    }
    s_.log.WriteLog("Quillares: search completed");
}

void ToneCatalogue::WriteEntry(int number, const std::string& title, const std::string& file) {
    s_.settings.WriteIni("tones", "tone" + std::to_string(number), title);
    s_.settings.WriteIni("tones", "file" + std::to_string(number), file);
}

void ToneCatalogue::WriteNumber(int count) { s_.settings.WriteIni("tones", "number", std::to_string(count)); }

void ToneCatalogue::SearchOwnTones(int& count, const std::function<void(const std::string&)>& show) {
    for (const char* pattern : kOwnTonePatterns) {
        show(pattern);
        SearchToneFolder(s_.shared.ProgramFolder + "tones\\", pattern, count);
    }
}

void ToneCatalogue::CountToneCatalogue() {
    SettingsBatch batch(s_.settings);
    int count = 0;
    SearchOwnTones(count, [](const std::string&) {});
    WriteNumber(count);
}

bool ToneCatalogue::AddTone(const std::string& folder, const std::string& name) {
    SettingsBatch batch(s_.settings);
    const int stored = std::max(0, RoundToInt(Val(s_.settings.ReadIni("tones", "number"))));
    if (stored >= kMaxEntries) {
        s_.log.WriteLog("Quillares: tone catalogue full, not added: " + folder + name);
        return false;
    }
    std::string title = TitleOf(folder, name);
    // A file the user chose is listed even when it names nothing itself.
    if (title.empty()) title = name.substr(0, name.rfind('.'));
    WriteEntry(stored + 1, title, folder + name);
    WriteNumber(stored + 1);
    return true;
}

std::string ToneCatalogue::ReadSkypePicturesPath() {
    auto value = s_.registry.ReadUserString("SOFTWARE\\Skype\\Phone", "MySkypePicturesPath", kRegistryBufferBytes);
    if (!value) return "";
    CutAtNul(*value);
    return *value;
}

void ToneCatalogue::SearchAllTones(const std::function<void(const std::string&)>& show) {
    // Thousands of keys: the file is saved once, at the end.
    SettingsBatch batch(s_.settings);
    const std::string& program = s_.shared.ProgramFolder;
    int count = 0;
    SearchOwnTones(count, show);
    std::string pictures;
    pictures = ReadSkypePicturesPath();
    if (!pictures.empty()) {
        show("*.skype");
        s_.ui.DoEvents();
        std::string content = SkypeContentFolder(pictures);
        // A folder with neither drive nor root is taken, like every relative path, from the program's.
        if (!StartsWith(content, "\\")) content = ResolvePath(program, content);
        SearchToneFolder(content, "*.skype", count);
    }
    show("*.wav");
    SearchToneFolder(program + "wav\\", "rec_*.wav", count);
    WriteNumber(count);
}

}  // namespace quill
