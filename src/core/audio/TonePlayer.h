#pragma once
#include <cstdint>
#include <string>

namespace quill {

class Files;
class Log;
class Multimedia;
class ToneFiles;
struct Shared;

// The one playback channel, the device alias "file". A ringing tone repeats with the pause
// file between repeats until it is stopped.
class TonePlayer {
public:
    static constexpr std::uintptr_t kPlayedToTheEnd = 1;

    TonePlayer(Multimedia& mci, Files& files, Log& log, ToneFiles& tones, const Shared& shared)
        : mci_(mci), files_(files), log_(log), tones_(tones), shared_(shared) {}

    // The empty path stops all playback.
    void PlayTone(const std::string& file);
    void StopTone();
    void PlayDefaultTone();
    void PlaySynthTone();
    void PlayRecordedTone();
    // The device's notice for "play file notify".
    void OnPlaybackNotice(std::uintptr_t code);

    std::string ScratchFile() const;

    std::string CurrentTone;
    std::string SavedTone;
    bool RingLoop = false;
    bool IsPlaying = false;
    bool PlayFinished = false;
    int PendingStop = 0;  // the options-window command that ends a preview; 0 for event tones

private:
    // The image of a ".skype" or ".quilar" tone in the scratch file; "" when there is none.
    std::string Unpack(const std::string& file);

    Multimedia& mci_;
    Files& files_;
    Log& log_;
    ToneFiles& tones_;
    const Shared& shared_;
};

}  // namespace quill
