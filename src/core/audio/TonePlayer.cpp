#include "core/audio/TonePlayer.h"

#include "core/audio/Recorder.h"
#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/platform/Multimedia.h"
#include "core/tones/ToneFiles.h"
#include "core/tones/ToneKind.h"

namespace quill {

std::string TonePlayer::ScratchFile() const { return shared_.ProgramFolder + "wav\\tmp.wav"; }
std::string TonePlayer::PauseFile() const { return shared_.ProgramFolder + "wav\\empty.wav"; }
std::string TonePlayer::DefaultFile() const { return ResolvePath(shared_.ProgramFolder, shared_.DefaultTone); }

void TonePlayer::RingTone(const std::string& file) {
    if (ringLoop_ && isPlaying_ && ringFile_ == file) return;
    // The ring replaces any preview; the preview's buttons stay as they are.
    pendingStop_ = Command::None;
    ringLoop_ = true;
    ringFile_ = file;
    PlayRing(file);
}

void TonePlayer::PlayRing(const std::string& file) {
    if (PlayTone(file) || file == DefaultFile()) return;
    if (!PlayTone(DefaultFile())) log_.WriteLog("Quillares: the default tone cannot play either: " + DefaultFile());
}

void TonePlayer::Announce(const std::string& file) {
    pendingStop_ = Command::None;
    ringLoop_ = false;
    PlayTone(file);
}

bool TonePlayer::PlayTone(const std::string& file) {
    currentTone_ = file;
    if (file.empty()) {
        isPlaying_ = false;
        if (recorder_.IsRecording()) {
            // "close all" would close the capture device too and lose the recording.
            CloseDevice();
        } else {
            aliasOpen_ = false;
            mci_.Send("close all", false);
        }
        return false;
    }
    if (!files_.Exists(file)) {
        isPlaying_ = false;
        log_.WriteLog("Quillares: no such file: " + file);
        return false;
    }
    log_.WriteLog("Quillares: " + NamePart(file));
    // Also because it may be playing the scratch file about to be rewritten.
    CloseDevice();
    isPlaying_ = false;
    files_.Delete(ScratchFile());
    std::string playable = KindOf(file) == ToneKind::Plain ? file : Unpack(file);
    if (playable.empty()) {
        log_.WriteLog("Quillares: invalid audio file");
        return false;
    }
    if (mci_.Send("open \"" + playable + "\" alias file", false) != 0) {
        log_.WriteLog("Quillares: the device refuses " + file);
        return false;
    }
    isPlaying_ = true;
    playFinished_ = false;
    aliasOpen_ = true;
    mci_.Send("play file notify", true);
    return true;
}

void TonePlayer::CloseDevice() {
    if (!aliasOpen_) return;
    // Stopped before it is closed: a device closed while it plays can still be busy when the
    // next one opens.
    mci_.Send("stop file", false);
    mci_.Send("close file", false);
    aliasOpen_ = false;
}

std::string TonePlayer::Unpack(const std::string& file) {
    auto image = tones_.ExtractAudio(file);
    if (!image) return {};
    if (!files_.Write(ScratchFile(), *image)) {
        log_.WriteLog("Quillares: cannot write " + ScratchFile());
        return {};
    }
    return ScratchFile();
}

void TonePlayer::StopTone() {
    ringLoop_ = false;
    PlayTone("");
}

bool TonePlayer::Preview(const std::string& file, Command stopCommand) {
    pendingStop_ = stopCommand;
    ringLoop_ = false;
    return PlayTone(file);
}

bool TonePlayer::PlayDefaultTone(Command stopCommand) { return Preview(DefaultFile(), stopCommand); }
bool TonePlayer::PlaySynthTone(Command stopCommand) { return Preview(shared_.SynthFile, stopCommand); }
bool TonePlayer::PlayRecordedTone(Command stopCommand) { return Preview(recorder_.File(), stopCommand); }

Command TonePlayer::TakeEndedPreview() {
    if (!isPlaying_ || pendingStop_ == Command::None || !playFinished_) return Command::None;
    playFinished_ = false;
    return pendingStop_;
}

void TonePlayer::OnPlaybackNotice(std::uintptr_t code) {
    if (code != kPlayedToTheEnd) return;  // superseded, aborted or failed
    mci_.Send("close file", false);
    aliasOpen_ = false;
    files_.Delete(ScratchFile());
    playFinished_ = true;
    if (currentTone_.empty() || !ringLoop_) return;
    std::string next;
    // The whole path: a tone merely named like the pause ("not-empty.wav") is still the tone.
    if (currentTone_ != PauseFile()) {
        savedTone_ = currentTone_;
        next = PauseFile();
    } else {
        next = savedTone_;
    }
    isPlaying_ = false;
    PlayRing(next);
}

}  // namespace quill
