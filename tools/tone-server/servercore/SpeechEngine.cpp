#include "servercore/SpeechEngine.h"

#include <espeak-ng/speak_lib.h>

namespace quill::toneserver {
namespace {

struct Collector {
    std::vector<std::int16_t>* samples;
    std::size_t maxSamples;
    bool overflow = false;
};

int OnSamples(short* wav, int count, espeak_EVENT* events) {
    auto* c = static_cast<Collector*>(events->user_data);
    if (wav == nullptr || count <= 0) return 0;
    if (c->samples->size() + static_cast<std::size_t>(count) > c->maxSamples) {
        c->overflow = true;
        return 1;  // abort the synthesis
    }
    c->samples->insert(c->samples->end(), wav, wav + count);
    return 0;
}

}  // namespace

SpeechEngine* SpeechEngine::Get() {
    static SpeechEngine* engine = []() -> SpeechEngine* {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) return nullptr;
        espeak_SetSynthCallback(OnSamples);
        return new SpeechEngine(rate);
    }();
    return engine;
}

bool SpeechEngine::HasVoice(const std::string& engineName) {
    std::lock_guard<std::mutex> hold(lock_);
    return espeak_SetVoiceByName(engineName.c_str()) == EE_OK;
}

Speech SpeechEngine::Speak(const std::string& engineName, const std::string& utf8, std::size_t maxSamples) {
    Speech s;
    Collector c{&s.samples, maxSamples};
    std::lock_guard<std::mutex> hold(lock_);
    if (espeak_SetVoiceByName(engineName.c_str()) != EE_OK) return s;
    const espeak_ERROR e = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                        espeakCHARS_UTF8, nullptr, &c);
    if (c.overflow) s.outcome = Speech::Outcome::TooLong;
    else if (e == EE_OK) s.outcome = Speech::Outcome::Spoken;
    if (s.outcome != Speech::Outcome::Spoken) s.samples.clear();
    return s;
}

}  // namespace quill::toneserver
