#include "core/audio/Recorder.h"

#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/platform/Multimedia.h"
#include "core/tones/ToneFileReader.h"

namespace quill {

namespace {
// The position is asked in bytes: some devices count milliseconds in the format that was in
// force before the set command, so a "minute" would be a third of one.
constexpr double kBytesPerMs = 32.0;
}  // namespace

RecordingProgress ProgressAt(double positionMs, int frameWidth) {
    // The position is the device's text: a negative one counts as the start.
    const int ms = positionMs > 0 ? RoundToInt(positionMs) : 0;
    const int seconds = ms / 1000;
    const int minutes = seconds / 60;
    if (minutes == 0) return {frameWidth / 100 * seconds, seconds, false};
    return {frameWidth, minutes * 100 + seconds % 60, true};
}

std::string ElapsedCaption(int shown) {
    std::string digits = std::to_string(shown < 0 ? 0 : shown);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    // A char, not a C string: GCC 12 warns falsely (-Wrestrict) on inserting a C string.
    digits.insert(digits.end() - 2, ':');
    return digits;
}

std::string Recorder::ScratchFile() const { return shared_.ProgramFolder + "wav\\tmprec.wav"; }

void Recorder::RecordStart() {
    recording_ = true;
    files_.Delete(ScratchFile());
    mci_.Send("open new type waveaudio alias capture", false);
    // The format is set after the cue.
    mci_.Send("cue capture input", false);
    mci_.Send("set capture time format bytes format tag pcm channels 1 samplespersec 16000 alignment 2 "
              "bitspersample 16 bytespersec 32000",
              false);
    mci_.Send("record capture", false);
    log_.WriteLog("Quillares: recording started");
}

std::string Recorder::SavePath() {
    const std::string shortForm = files_.ShortPath(ScratchFile());
    // A volume without short names answers the long form, which may hold blanks.
    if (!shortForm.empty() && !Contains(shortForm, " ")) return shortForm;
    return "\"" + (shortForm.empty() ? ScratchFile() : shortForm) + "\"";
}

bool Recorder::RecordSave() {
    if (!recording_) return false;
    const std::string path = SavePath();
    mci_.Send("stop capture", false);
    const unsigned saved = mci_.Send("save capture " + path, false);
    mci_.Send("close capture", false);
    recording_ = false;
    log_.WriteLog("Quillares: recording finished");
    const auto size = files_.Size(ScratchFile());
    std::optional<std::string> bytes;
    if (saved == 0 && size && *size <= kMaxToneFileBytes)
        bytes = files_.Read(ScratchFile(), 0, static_cast<std::size_t>(*size));
    const bool kept = bytes && bytes->size() == *size && files_.ReplaceAtomically(file_, *bytes);
    files_.Delete(ScratchFile());
    if (!kept) log_.WriteLog("Quillares: recording not saved: " + file_);
    return kept;
}

void Recorder::RecordCancel() {
    if (!recording_) return;
    mci_.Send("stop capture", false);
    mci_.Send("close capture", false);
    files_.Delete(ScratchFile());
    recording_ = false;
    log_.WriteLog("Quillares: recording cancelled");
}

RecordingProgress Recorder::RecordInfo(int frameWidth) {
    mci_.Send("status capture position", false);
    return ProgressAt(Val(mci_.Reply()) / kBytesPerMs, frameWidth);
}

}  // namespace quill
