#pragma once
#include <cstdint>
#include <string>

#include "core/base/Command.h"

namespace quill {

class Files;
class Log;
class Multimedia;
class Recorder;
class ToneFiles;
struct Shared;

// The one playback channel, the device alias "file". A ringing tone repeats with the pause
// file between repeats until it is stopped.
class TonePlayer {
public:
    static constexpr std::uintptr_t kPlayedToTheEnd = 1;

    TonePlayer(Multimedia& mci, Files& files, Log& log, ToneFiles& tones, const Shared& shared,
               const Recorder& recorder)
        : mci_(mci), files_(files), log_(log), tones_(tones), shared_(shared), recorder_(recorder) {}

    // Rings file, the pause between repeats, until StopTone. Skype repeats its ringing notice:
    // a ring of the same tone goes on rather than starting over. A tone that cannot play rings
    // the default tone instead.
    void RingTone(const std::string& file);
    // Plays file once.
    void Announce(const std::string& file);
    // Plays file; it repeats while the ring loop is raised. The empty path stops all playback.
    // false: the tone did not start (logged).
    bool PlayTone(const std::string& file);
    void StopTone();
    // A preview plays once; stopCommand is the window's command that ends it (PendingStop).
    // false: it did not start.
    bool Preview(const std::string& file, Command stopCommand);
    bool PlayDefaultTone(Command stopCommand);
    bool PlaySynthTone(Command stopCommand);
    bool PlayRecordedTone(Command stopCommand);
    Command PendingStop() const { return pendingStop_; }
    // For the main loop: the stopping command of a preview that has played to its end, once;
    // None while none has.
    Command TakeEndedPreview();
    // The device's notice for "play file notify".
    void OnPlaybackNotice(std::uintptr_t code);

    bool IsPlaying() const { return isPlaying_; }
    bool RingLoop() const { return ringLoop_; }
    bool PlayFinished() const { return playFinished_; }

    std::string ScratchFile() const;
    std::string PauseFile() const;
    // The default ringtone's full path; an absolute setting stays as it is.
    std::string DefaultFile() const;

private:
    // Stops and closes the alias if anything holds it, so the next open can have it.
    void CloseDevice();
    // A ring's tone or pause, the default tone when it cannot play.
    void PlayRing(const std::string& file);
    // The image of a ".skype" or ".quilar" tone in the scratch file; "" when there is none.
    std::string Unpack(const std::string& file);

    Multimedia& mci_;
    Files& files_;
    Log& log_;
    ToneFiles& tones_;
    const Shared& shared_;
    // Shares the device layer: playback must not close the capture device.
    const Recorder& recorder_;

    std::string currentTone_;
    std::string savedTone_;  // the ringing tone while the pause plays
    std::string ringFile_;   // the tone the ring was asked for, whatever rings in its place
    bool ringLoop_ = false;
    bool isPlaying_ = false;
    bool playFinished_ = false;
    Command pendingStop_ = Command::None;
    // Apart from isPlaying_: a tone that failed to start lowers that, yet the device may still hold the alias.
    bool aliasOpen_ = false;
};

}  // namespace quill
