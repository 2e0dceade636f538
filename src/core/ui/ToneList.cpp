#include "core/ui/ToneList.h"

#include <algorithm>

#include "core/audio/TonePlayer.h"
#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/ui/OptionsWindow.h"

namespace quill::ui {

void ToneList::FillToneList() {
    // Thousands of keys: the settings file is looked at once, not before every read.
    SettingsBatch batch(settings_);
    const double stored = Val(settings_.ReadIni("tones", "number"));
    const int n = RoundToInt(stored);
    window_.toneFiles.Clear();
    window_.toneTitles.Clear();
    for (int i = 1; i <= std::min(n, kMaxEntries); ++i) {
        const std::string file = Trim(settings_.ReadIni("tones", "file" + std::to_string(i)));
        if (file.empty() || !files_.Exists(file)) continue;
        window_.toneFiles.AddItem(file);
        std::string title = Trim(settings_.ReadIni("tones", "tone" + std::to_string(i)));
        window_.toneTitles.AddItem(title.empty() ? NamePart(file) : title);
    }
    if (n >= 1 && window_.toneTitles.ListCount() > 0) window_.toneTitles.SetListIndex(0);
    log_.WriteLog("Quillares: " + std::to_string(n) + " tones available");
}

void ToneList::PlaySelectedTone(Command stopCommand) {
    const int row = window_.toneTitles.ListIndex();
    if (row < 0) return;
    player_.Preview(window_.toneFiles.Item(row), stopCommand);
}

}  // namespace quill::ui
