#include "core/audio/TonePlayer.h"

#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/platform/Multimedia.h"
#include "core/tones/ToneFiles.h"
#include "core/tones/ToneKind.h"

namespace quill {

std::string TonePlayer::ScratchFile() const { return shared_.ProgramFolder + "wav\\tmp.wav"; }

void TonePlayer::PlayTone(const std::string& file) {
    CurrentTone = file;
    if (file.empty()) {
        IsPlaying = false;
        mci_.Send("close all", false);
        return;
    }
    if (!files_.Exists(file)) {
        IsPlaying = false;
        log_.WriteLog("Quillares: no such file: " + file);
        return;
    }
    log_.WriteLog("Quillares: " + NamePart(file));
    // A tone still open would keep the alias, and the new one would never play; it may also
    // be playing the scratch file about to be rewritten. Stopped before it is closed: a device
    // closed while it plays can still be busy when the next one opens.
    if (IsPlaying) {
        mci_.Send("stop file", false);
        mci_.Send("close file", false);
        IsPlaying = false;
    }
    files_.Delete(ScratchFile());
    std::string playable = KindOf(file) == ToneKind::Plain ? file : Unpack(file);
    if (playable.empty()) {
        log_.WriteLog("Quillares: invalid audio file");
        return;
    }
    IsPlaying = true;
    PlayFinished = false;
    mci_.Send("open \"" + playable + "\" alias file", false);
    mci_.Send("play file notify", true);
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
    RingLoop = false;
    PlayTone("");
}

void TonePlayer::PlayDefaultTone() { PlayTone(shared_.ProgramFolder + shared_.DefaultTone); }
void TonePlayer::PlaySynthTone() { PlayTone(shared_.SynthFile); }
void TonePlayer::PlayRecordedTone() { PlayTone(shared_.RecordFile); }

void TonePlayer::OnPlaybackNotice(std::uintptr_t code) {
    if (code != kPlayedToTheEnd) return;  // superseded, aborted or failed
    mci_.Send("close file", false);
    files_.Delete(ScratchFile());
    PlayFinished = true;
    if (CurrentTone.empty() || !RingLoop) return;
    std::string next;
    if (!Contains(CurrentTone, "empty.wav")) {
        SavedTone = CurrentTone;
        next = shared_.ProgramFolder + "wav\\empty.wav";
    } else {
        next = SavedTone;
    }
    IsPlaying = false;
    PlayTone(next);
}

}  // namespace quill
