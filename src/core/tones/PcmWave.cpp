#include "core/tones/PcmWave.h"

#include "core/tones/LittleEndian.h"

namespace quill {

namespace {
void AppendInt16(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
}  // namespace

std::string PcmWave(int sampleRate, int channels, std::string_view pcm) {
    const int blockAlign = channels * 2;
    std::string out;
    out.reserve(44 + pcm.size());
    out += "RIFF";
    AppendInt32(out, static_cast<std::int32_t>(36 + pcm.size()));
    out += "WAVEfmt ";
    AppendInt32(out, 16);
    AppendInt16(out, 1);  // PCM
    AppendInt16(out, channels);
    AppendInt32(out, sampleRate);
    AppendInt32(out, sampleRate * blockAlign);
    AppendInt16(out, blockAlign);
    AppendInt16(out, 16);
    out += "data";
    AppendInt32(out, static_cast<std::int32_t>(pcm.size()));
    out += pcm;
    return out;
}

}  // namespace quill
