#pragma once
#include <string>
#include <utility>

namespace quill {

class Files;
class Log;
class Multimedia;
struct Shared;

// Where a recording stands after one look at the capture device's position.
struct RecordingProgress {
    int barWidth = 0;
    // Seconds; once the minute is full, minutes * 100 + seconds.
    int shown = 0;
    bool minuteFull = false;
};

// The bar grows by a hundredth of the frame a second, so it covers 59 hundredths at 59 s and
// jumps to the whole frame at one minute.
RecordingProgress ProgressAt(double positionMs, int frameWidth);
// shown with the pattern "0:00": 7 is "0:07", 100 is "1:00".
std::string ElapsedCaption(int shown);

// The microphone under the device alias "capture", recording 16 kHz 16-bit mono PCM into a
// scratch file that replaces File() only once it has been saved, so a cancelled or failed
// recording keeps the contact's old one.
class Recorder {
public:
    Recorder(Multimedia& mci, Files& files, Log& log, const Shared& shared)
        : mci_(mci), files_(files), log_(log), shared_(shared) {}

    bool IsRecording() const { return recording_; }
    // The contact's recording, set by the recording panel.
    const std::string& File() const { return file_; }
    void SetFile(std::string file) { file_ = std::move(file); }
    void RecordStart();
    // Stops and saves into File(); nothing unless recording. false: nothing was saved.
    bool RecordSave();
    // Stops and saves nothing; nothing unless recording.
    void RecordCancel();
    // One look at the device's position; frameWidth is the progress frame's.
    RecordingProgress RecordInfo(int frameWidth);

    std::string ScratchFile() const;

private:
    // The save command's argument: the short form, quoted when it has a blank or when there is none.
    std::string SavePath();

    Multimedia& mci_;
    Files& files_;
    Log& log_;
    const Shared& shared_;
    std::string file_;
    bool recording_ = false;
};

}  // namespace quill
