#pragma once
#include "core/base/Command.h"
#include "core/tones/ToneCatalogue.h"

namespace quill {
class Files;
class Log;
class Settings;
class TonePlayer;
}  // namespace quill

namespace quill::ui {

struct OptionsWindow;

// The catalogue panel's lists: toneTitles the titles, toneFiles the files, one row per stored entry
// (section tones) whose file still exists.
class ToneList {
public:
    // Rows read are bounded, whatever "number" claims.
    static constexpr int kMaxEntries = ToneCatalogue::kMaxEntries;

    ToneList(OptionsWindow& window, Settings& settings, Files& files, Log& log, TonePlayer& player)
        : window_(window), settings_(settings), files_(files), log_(log), player_(player) {}

    void FillToneList();
    // Previews the selected row's file; stopCommand ends the preview.
    void PlaySelectedTone(Command stopCommand);

private:
    OptionsWindow& window_;
    Settings& settings_;
    Files& files_;
    Log& log_;
    TonePlayer& player_;
};

}  // namespace quill::ui
