#include "servercore/SpeechJob.h"

#include "make-sounds/WaveFile.h"
#include "servercore/Resample.h"

namespace quill::toneserver {
namespace {

constexpr char kSpoken = 'S';
constexpr char kTooLong = 'L';
constexpr char kFailed = 'F';

}  // namespace

std::string EncodeSpeechJob(const SpeechJob& job) {
    return job.engineName + '\0' + std::to_string(job.outRate) + '\0' + job.utf8;
}

std::string SpeakJob(SpeechEngine& engine, std::string_view job, int maxSeconds) {
    const std::size_t nameEnd = job.find('\0');
    const std::size_t rateEnd = nameEnd == std::string_view::npos ? nameEnd : job.find('\0', nameEnd + 1);
    if (rateEnd == std::string_view::npos) return std::string(1, kFailed);
    const std::string rate(job.substr(nameEnd + 1, rateEnd - nameEnd - 1));
    const int outRate = rate == "16000" ? 16000 : 8000;
    const Speech speech = engine.Speak(std::string(job.substr(0, nameEnd)), std::string(job.substr(rateEnd + 1)),
                                       static_cast<std::size_t>(maxSeconds) * engine.SampleRate());
    if (speech.outcome == Speech::Outcome::TooLong) return std::string(1, kTooLong);
    if (speech.outcome != Speech::Outcome::Spoken) return std::string(1, kFailed);
    const auto wave = sounds::EncodeWave(Resample(speech.samples, engine.SampleRate(), outRate), outRate);
    std::string answer(1, kSpoken);
    answer.append(wave.begin(), wave.end());
    return answer;
}

SpokenWave DecodeSpokenWave(const WorkerPool::Result& result) {
    using O = SpokenWave::Outcome;
    SpokenWave s;
    switch (result.outcome) {
        case WorkerPool::Result::Outcome::Died: s.outcome = O::EngineDied; return s;
        case WorkerPool::Result::Outcome::TimedOut: s.outcome = O::EngineTimedOut; return s;
        case WorkerPool::Result::Outcome::Stopped: s.outcome = O::Stopped; return s;
        case WorkerPool::Result::Outcome::Done: break;
    }
    if (result.answer.empty()) return s;
    if (result.answer[0] == kTooLong) s.outcome = O::TooLong;
    if (result.answer[0] == kSpoken) {
        s.outcome = O::Spoken;
        s.wave = result.answer.substr(1);
    }
    return s;
}

}  // namespace quill::toneserver
