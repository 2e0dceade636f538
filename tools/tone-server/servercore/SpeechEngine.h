#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace quill::toneserver {

struct Speech {
    enum class Outcome { Spoken, TooLong, Failed };
    Outcome outcome = Outcome::Failed;
    std::vector<std::int16_t> samples;  // mono, at the engine's sample rate
};

// espeak-ng, in memory. The library keeps one global state, so the whole process shares
// one engine and every call runs under its lock.
class SpeechEngine {
public:
    // nullptr when espeak-ng cannot start (for example, its data is missing).
    static SpeechEngine* Get();

    int SampleRate() const { return sampleRate_; }
    bool HasVoice(const std::string& engineName);
    // Stops with TooLong as soon as the speech passes maxSamples.
    Speech Speak(const std::string& engineName, const std::string& utf8, std::size_t maxSamples);

private:
    explicit SpeechEngine(int sampleRate) : sampleRate_(sampleRate) {}

    int sampleRate_;
    std::mutex lock_;
};

}  // namespace quill::toneserver
