#include "make-sounds/WaveFile.h"

#include "core/tones/ToneContainer.h"

#include <fstream>

namespace quill::sounds {
namespace {

void Put(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    Put(out, "RIFF");
    PutLe(out, 36 + dataBytes, 4);
    Put(out, "WAVE");
    Put(out, "fmt ");
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, kChannels, 2);
    PutLe(out, static_cast<std::uint32_t>(sampleRate), 4);
    PutLe(out, static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample, 4);
    PutLe(out, kChannels * kBytesPerSample, 2);
    PutLe(out, 8 * kBytesPerSample, 2);
    Put(out, "data");
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

namespace {

bool WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace

bool WriteWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int sampleRate) {
    const std::vector<std::uint8_t> bytes = EncodeWave(samples, sampleRate);
    return WriteBytes(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool WriteToneContainer(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                        int sampleRate, const std::string& title) {
    const std::vector<std::uint8_t> wave = EncodeWave(samples, sampleRate);
    // The container keeps the wave without its leading "RIFF".
    const std::string_view body(reinterpret_cast<const char*>(wave.data()) + 4, wave.size() - 4);
    return WriteBytes(path, BuildContainer(title, body));
}

}  // namespace quill::sounds
