#pragma once
#include <string>
#include <string_view>

#include "servercore/SpeechEngine.h"
#include "servercore/WorkerPool.h"

namespace quill::toneserver {

// One speech request as it travels to a worker process and back.
struct SpeechJob {
    std::string engineName;
    int outRate = 16000;
    std::string utf8;
};

struct SpokenWave {
    enum class Outcome { Spoken, TooLong, Failed, EngineDied, EngineTimedOut, Stopped };
    Outcome outcome = Outcome::Failed;
    std::string wave;  // the whole WAVE file when Spoken
};

std::string EncodeSpeechJob(const SpeechJob& job);
SpokenWave DecodeSpokenWave(const WorkerPool::Result& result);

// The worker's side: espeak-ng, the asked rate, the WAVE file; at most maxSeconds of speech.
std::string SpeakJob(SpeechEngine& engine, std::string_view job, int maxSeconds);

}  // namespace quill::toneserver
