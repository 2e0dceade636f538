#include "core/tones/OggVorbisFile.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/base/Text.h"
#include "core/base/Unicode.h"
#include "core/tones/LittleEndian.h"
#include "core/tones/PcmWave.h"
#include "core/tones/TagTitle.h"

#define STB_VORBIS_NO_STDIO 1
#define STB_VORBIS_NO_PUSHDATA_API 1
#define STB_VORBIS_HEADER_ONLY 1
#include <stb_vorbis.h>

namespace quill {

namespace {

constexpr std::size_t kPageHeaderBytes = 27;
// The decoder's whole memory: its tables for ordinary files take a few hundred KB.
constexpr int kDecoderMemoryBytes = 8 << 20;
constexpr unsigned kMinRate = 8000, kMaxRate = 48000;

std::uint32_t Le32(std::string_view b, std::size_t at) { return static_cast<std::uint32_t>(DecodeInt32(b.substr(at, 4))); }

}  // namespace

std::optional<VorbisHeaders> ReadVorbisHeaders(std::string_view head) {
    std::vector<std::string> packets(1);
    std::optional<std::uint32_t> serial;
    std::size_t pos = 0;
    while (packets.size() <= 2 && head.size() - pos >= kPageHeaderBytes && head.substr(pos, 4) == "OggS") {
        const std::string_view page = head.substr(pos);
        const std::uint32_t pageSerial = Le32(page, 14);
        const std::size_t segments = static_cast<unsigned char>(page[26]);
        if (page.size() < kPageHeaderBytes + segments) break;
        std::size_t body = kPageHeaderBytes + segments;
        const bool ours = !serial || *serial == pageSerial;
        if (!serial) serial = pageSerial;
        for (std::size_t s = 0; s < segments && packets.size() <= 2; ++s) {
            const std::size_t lace = static_cast<unsigned char>(page[kPageHeaderBytes + s]);
            if (ours) packets.back() += page.substr(std::min(body, page.size()), lace);
            body += lace;
            if (ours && lace < 255) packets.emplace_back();
        }
        pos += std::min(body, page.size());
    }
    const std::string& id = packets[0];
    if (id.size() < 30 || id.substr(0, 7) != "\x01vorbis" || id[11] == 0 || Le32(id, 12) == 0) return std::nullopt;
    VorbisHeaders h{id, packets.size() > 1 ? packets[1] : ""};
    return h;
}

std::string VorbisTitle(std::string_view packet) {
    if (packet.size() < 11 || packet.substr(0, 7) != "\x03vorbis") return "";
    std::size_t pos = 7;
    const std::uint64_t vendor = Le32(packet, pos);
    if (vendor > packet.size() - pos - 4 || packet.size() - pos - 4 - vendor < 4) return "";
    pos += 4 + vendor;
    const std::uint32_t count = Le32(packet, pos);
    pos += 4;
    for (std::uint32_t i = 0; i < count && packet.size() - pos >= 4; ++i) {
        const std::uint64_t length = Le32(packet, pos);
        pos += 4;
        if (length > packet.size() - pos) return "";
        const std::string_view comment = packet.substr(pos, length);
        pos += length;
        const auto equals = comment.find('=');
        if (equals != std::string_view::npos && LowerAscii(comment.substr(0, equals)) == "title")
            return CleanTagTitle(ValidUtf8(comment.substr(equals + 1)));
    }
    return "";
}

std::optional<std::string> OggTitle(const ToneFileReader& file) {
    const auto head = file.ReadUpTo(0, kMaxTagBytes);
    if (!head) return std::nullopt;
    const auto headers = ReadVorbisHeaders(*head);
    if (!headers) return std::nullopt;
    return VorbisTitle(headers->comments);
}

std::optional<std::string> OggAudio(const ToneFileReader& file) {
    const auto bytes = file.ReadExact(0, file.Size());
    if (!bytes) return std::nullopt;
    std::vector<char> memory(kDecoderMemoryBytes);
    stb_vorbis_alloc alloc{memory.data(), kDecoderMemoryBytes};
    int error = 0;
    std::unique_ptr<stb_vorbis, void (*)(stb_vorbis*)> vorbis(
        stb_vorbis_open_memory(reinterpret_cast<const unsigned char*>(bytes->data()), static_cast<int>(bytes->size()),
                               &error, &alloc),
        stb_vorbis_close);
    if (!vorbis) return std::nullopt;
    const stb_vorbis_info info = stb_vorbis_get_info(vorbis.get());
    if (info.channels < 1 || info.sample_rate < kMinRate || info.sample_rate > kMaxRate) return std::nullopt;
    const int channels = std::min(info.channels, 2);
    const std::uint64_t maxFrames = static_cast<std::uint64_t>(kMaxDecodedSeconds) * info.sample_rate;
    std::string pcm;
    std::vector<short> block(4096 * channels);
    for (std::uint64_t frames = 0; frames < maxFrames;) {
        const int want = static_cast<int>(std::min<std::uint64_t>(4096, maxFrames - frames));
        const int got = stb_vorbis_get_samples_short_interleaved(vorbis.get(), channels, block.data(), want * channels);
        if (got <= 0) break;
        for (int i = 0; i < got * channels; ++i) {
            const auto s = static_cast<std::uint16_t>(block[i]);
            pcm.push_back(static_cast<char>(s & 0xFF));
            pcm.push_back(static_cast<char>(s >> 8));
        }
        frames += got;
    }
    if (pcm.empty()) return std::nullopt;
    return PcmWave(static_cast<int>(info.sample_rate), channels, pcm);
}

}  // namespace quill
