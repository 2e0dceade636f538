#include "core/ui/AddSoundFile.h"

#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/SafeFileName.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/base/Unicode.h"
#include "core/platform/Files.h"
#include "core/platform/UiHost.h"
#include "core/server/ProgramVersion.h"
#include "core/tones/ToneCatalogue.h"
#include "core/tones/ToneFileReader.h"
#include "core/tones/ToneFiles.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ToneList.h"

namespace quill::ui {

namespace {

// Long enough for any real title, short enough that the folder's path stays far from the
// system's limit.
constexpr std::size_t kMaxStemUnits = 80;

std::string Or(const std::string& text, const char* fallback) { return text.empty() ? fallback : text; }

}  // namespace

std::string FreeToneName(Files& files, const std::string& folder, const std::string& sourceName) {
    const auto dot = sourceName.rfind('.');
    std::string stem = sourceName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : SafeFileName(sourceName.substr(dot + 1));
    stem = SafeFileName(FirstUtf16Units(stem, kMaxStemUnits));
    if (stem.empty()) stem = "tone";
    // Names holding the synthesis scratch file's are never listed.
    if (Contains(stem + "." + extension, "tmp.quilar")) stem += "_";
    const std::string tail = extension.empty() ? "" : "." + extension;
    for (int n = 1; n <= AddSoundFile::kMaxNumber; ++n) {
        const std::string name = n == 1 ? stem + tail : stem + " (" + std::to_string(n) + ")" + tail;
        if (!files.Exists(folder + name)) return name;
    }
    return "";
}

void AddSoundFile::Refuse(const std::string& log, const std::string& message) {
    s_.files.Delete(s_.shared.ProgramFolder + "tones\\" + kScratchName);
    s_.log.WriteLog("Quillares: " + log);
    s_.ui.Warn(message, kFileDescription);
}

void AddSoundFile::Run() {
    const auto chosen = s_.ui.ChooseOpenFile(Or(s_.texts.soundfiles, "Sound files"), kPatterns);
    if (!chosen) return;
    const std::string source = *chosen;
    const std::string folder = s_.shared.ProgramFolder + "tones\\";
    const std::string scratch = folder + kScratchName;
    const std::string notCopied = Or(s_.texts.notcopied, "The sound file could not be copied to the tones folder.");
    const std::string bad = Or(s_.texts.badsound, "This file cannot be played as a ringtone.");
    // A file no reader would load is not copied at all.
    const auto size = s_.files.Size(source);
    if (size && *size > kMaxToneFileBytes) return Refuse("sound file too large: " + source, bad);
    // The copy is what gets checked, so the file played is the file that passed.
    if (!s_.files.Copy(source, scratch)) return Refuse("sound file not copied: " + source, notCopied);
    if (!s_.tones.IsPlayable(scratch, KindOf(source))) return Refuse("not a playable sound file: " + source, bad);
    const std::string name = FreeToneName(s_.files, folder, NamePart(source));
    // Renaming never replaces a file, should one have appeared meanwhile.
    if (name.empty() || !s_.files.Rename(scratch, folder + name))
        return Refuse("no free name for " + source + " in " + folder, notCopied);
    if (!s_.catalogue.AddTone(folder, name)) {
        s_.files.Delete(folder + name);
        return Refuse("sound file not listed: " + source, notCopied);
    }
    s_.log.WriteLog("Quillares: sound file added: " + folder + name);

    auto& w = s_.window;
    s_.toneList.FillToneList();
    const auto& files = w.toneFiles.Items();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i] == folder + name) w.toneTitles.SetListIndex(static_cast<int>(i));
    w.Enable({Command::PlayTone});
    if (s_.linked()) w.Enable({Command::Apply});
}

}  // namespace quill::ui
