#include "core/audio/Recorder.h"

#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/platform/Multimedia.h"

namespace quill {

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

bool Recorder::IsRecording() const { return shared_.IsRecording; }

void Recorder::RecordStart() {
    shared_.IsRecording = true;
    mci_.Send("open new type waveaudio alias capture", false);
    // The format is set after the cue.
    mci_.Send("cue capture input", false);
    mci_.Send("set capture time format milliseconds format tag pcm channels 1 samplespersec 16000 alignment 2 "
              "bitspersample 16 bytespersec 32000",
              false);
    mci_.Send("record capture", false);
    log_.WriteLog("Quillares: recording started");
}

std::string Recorder::SavePath() {
    const std::string shortForm = files_.ShortPath(shared_.RecordFile);
    // A volume without short names answers the long form, which may hold blanks.
    if (!shortForm.empty() && !Contains(shortForm, " ")) return shortForm;
    return "\"" + (shortForm.empty() ? shared_.RecordFile : shortForm) + "\"";
}

void Recorder::RecordSave() {
    if (!shared_.IsRecording) return;
    const std::string path = SavePath();
    mci_.Send("stop capture", false);
    const unsigned saved = mci_.Send("save capture " + path, false);
    mci_.Send("close capture", false);
    shared_.IsRecording = false;
    log_.WriteLog("Quillares: recording finished");
    // The save is the only step whose failure loses the recording: say so.
    if (saved != 0) log_.WriteLog("Quillares: recording not saved: " + shared_.RecordFile);
}

void Recorder::RecordCancel() {
    if (!shared_.IsRecording) return;
    mci_.Send("stop capture", false);
    mci_.Send("close capture", false);
    shared_.IsRecording = false;
    log_.WriteLog("Quillares: recording cancelled");
}

RecordingProgress Recorder::RecordInfo(int frameWidth) {
    mci_.Send("status capture position", false);
    return ProgressAt(Val(mci_.Reply()), frameWidth);
}

}  // namespace quill
