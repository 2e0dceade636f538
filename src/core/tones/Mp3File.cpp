#include "core/tones/Mp3File.h"

#include <algorithm>

#include "core/tones/PcmWave.h"
#include "core/tones/TagTitle.h"

namespace quill {

namespace {

// Junk or padding between the tag and the first frame is looked through this far.
constexpr std::size_t kFrameSearchBytes = 4096;

constexpr int kBitrates[2][15] = {
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},     // MPEG 2 and 2.5
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},  // MPEG 1
};
constexpr int kRates[3][3] = {{11025, 12000, 8000}, {22050, 24000, 16000}, {44100, 48000, 32000}};

// Frames of one stream agree on these; a header that differs is not part of it.
bool SameStream(const Mp3Frame& a, const Mp3Frame& b) {
    return a.mpeg1 == b.mpeg1 && a.mono == b.mono && a.format.sampleRate == b.format.sampleRate;
}

// A first frame that is really the encoder's table of contents ("Xing" or "Info") decodes to
// silence in some decoders and to nothing in others; it is left out for all.
bool IsInfoFrame(const Mp3Frame& f, std::string_view frame, bool crc) {
    const std::size_t sideInfo = f.mpeg1 ? (f.mono ? 17 : 32) : (f.mono ? 9 : 17);
    const std::size_t at = 4 + (crc ? 2 : 0) + sideInfo;
    if (frame.size() < at + 4) return false;
    const auto tag = frame.substr(at, 4);
    return tag == "Xing" || tag == "Info";
}

struct Located {
    std::uint64_t offset = 0;
    Mp3Frame frame;
};

// The first frame after the tag that a second frame of the same stream follows (or that
// ends the file), so stray sync bits in junk are not taken for audio.
std::optional<Located> FirstFrame(const ToneFileReader& file, std::uint64_t tagBytes) {
    const auto window = file.ReadUpTo(tagBytes, kFrameSearchBytes + 4);
    if (!window) return std::nullopt;
    for (std::size_t i = 0; i + 4 <= window->size() && i < kFrameSearchBytes; ++i) {
        const auto frame = ParseMp3Frame(std::string_view(*window).substr(i));
        if (!frame) continue;
        const std::uint64_t next = tagBytes + i + frame->bytes;
        if (next > file.Size()) continue;
        if (next == file.Size()) return Located{tagBytes + i, *frame};
        const auto header = file.ReadUpTo(next, 4);
        const auto second = header ? ParseMp3Frame(*header) : std::nullopt;
        if (second && SameStream(*frame, *second)) return Located{tagBytes + i, *frame};
    }
    return std::nullopt;
}

std::uint64_t TagBytes(const ToneFileReader& file) {
    const auto head = file.ReadUpTo(0, 10);
    return head ? std::min<std::uint64_t>(Id3v2Length(*head), file.Size()) : 0;
}

}  // namespace

std::optional<Mp3Frame> ParseMp3Frame(std::string_view b) {
    if (b.size() < 4) return std::nullopt;
    const auto h = [&](int i) { return static_cast<unsigned>(static_cast<unsigned char>(b[i])); };
    if (h(0) != 0xFF || (h(1) & 0xE0) != 0xE0) return std::nullopt;
    const unsigned version = (h(1) >> 3) & 3;  // 0: 2.5, 1: reserved, 2: 2, 3: 1
    const unsigned layer = (h(1) >> 1) & 3;    // 1: layer III
    const unsigned bitrateIndex = h(2) >> 4;
    const unsigned rateIndex = (h(2) >> 2) & 3;
    // Free-format frames carry no length of their own.
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) return std::nullopt;
    if ((h(3) & 3) == 2) return std::nullopt;  // reserved emphasis
    Mp3Frame f;
    f.mpeg1 = version == 3;
    f.mono = (h(3) >> 6) == 3;
    f.format.sampleRate = kRates[version == 0 ? 0 : version - 1][rateIndex];
    f.format.channels = f.mono ? 1 : 2;
    f.format.bitrateKbps = kBitrates[f.mpeg1][bitrateIndex];
    f.format.samplesPerFrame = f.mpeg1 ? 1152 : 576;
    const unsigned padding = (h(2) >> 1) & 1;
    f.bytes = static_cast<std::uint32_t>((f.mpeg1 ? 144 : 72) * f.format.bitrateKbps * 1000 / f.format.sampleRate +
                                         padding);
    return f;
}

std::optional<std::string> Mp3Title(const ToneFileReader& file) {
    const std::uint64_t tagBytes = TagBytes(file);
    if (!FirstFrame(file, tagBytes)) return std::nullopt;
    if (tagBytes == 0) return std::string();
    const auto tag = file.ReadUpTo(0, std::min(tagBytes, kMaxTagBytes));
    return tag ? Id3v2Title(*tag) : std::string();
}

std::optional<std::string> Mp3Audio(const ToneFileReader& file, Mp3Decoder& decoder) {
    const std::uint64_t tagBytes = TagBytes(file);
    const auto first = FirstFrame(file, tagBytes);
    if (!first) return std::nullopt;
    const auto bytes = file.ReadExact(first->offset, file.Size() - first->offset);
    if (!bytes) return std::nullopt;
    const Mp3Format format = first->frame.format;
    const std::uint64_t maxSamples = static_cast<std::uint64_t>(kMaxDecodedSeconds) * format.sampleRate;
    std::string frames;
    std::uint64_t samples = 0;
    std::size_t pos = 0;
    while (samples < maxSamples) {
        const auto frame = ParseMp3Frame(std::string_view(*bytes).substr(pos));
        // Whatever follows the last whole frame of the stream (an ID3v1 or APE tag) is not audio.
        if (!frame || !SameStream(*frame, first->frame) || frame->bytes > bytes->size() - pos) break;
        const std::string_view whole = std::string_view(*bytes).substr(pos, frame->bytes);
        const bool crc = !(static_cast<unsigned char>(whole[1]) & 1);
        if (!(pos == 0 && IsInfoFrame(*frame, whole, crc))) {
            frames += whole;
            samples += frame->format.samplesPerFrame;
        }
        pos += frame->bytes;
    }
    if (samples == 0) return std::nullopt;
    const std::size_t maxPcm = static_cast<std::size_t>(samples) * format.channels * 2;
    auto pcm = decoder.Decode(format, frames, maxPcm);
    if (!pcm || pcm->empty()) return std::nullopt;
    pcm->resize(std::min(pcm->size(), maxPcm) / (2 * format.channels) * (2 * format.channels));
    return PcmWave(format.sampleRate, format.channels, *pcm);
}

}  // namespace quill
