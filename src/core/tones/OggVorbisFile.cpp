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
        const std::size_t segments = static_cast<unsigned char>(page[26]);
        // The headers come first, before any page of another stream.
        if (page.size() < kPageHeaderBytes + segments || (serial && *serial != Le32(page, 14))) break;
        serial = Le32(page, 14);
        std::size_t body = kPageHeaderBytes + segments;
        for (std::size_t s = 0; s < segments && packets.size() <= 2; ++s) {
            const std::size_t lace = static_cast<unsigned char>(page[kPageHeaderBytes + s]);
            packets.back() += page.substr(std::min(body, page.size()), lace);
            body += lace;
            if (lace < 255) packets.emplace_back();
        }
        pos += std::min(body, page.size());
    }
    const std::string& id = packets[0];
    if (id.size() < 30 || id.substr(0, 7) != "\x01vorbis" || id[11] == 0 || Le32(id, 12) == 0) return std::nullopt;
    return VorbisHeaders{id, packets.size() > 1 ? packets[1] : "", packets.size() > 2};
}

namespace {

// Walks the comments while their lengths hold; each goes to take, and false from it stops the
// walk. false when a length runs past the packet.
template <class Take>
bool WalkComments(std::string_view packet, Take take) {
    if (packet.size() < 11 || packet.substr(0, 7) != "\x03vorbis") return false;
    std::size_t pos = 7;
    const std::uint64_t vendor = Le32(packet, pos);
    if (vendor > packet.size() - pos - 4 || packet.size() - pos - 4 - vendor < 4) return false;
    pos += 4 + vendor;
    const std::uint32_t count = Le32(packet, pos);
    pos += 4;
    if (!take(std::string_view(), vendor, count)) return true;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (packet.size() - pos < 4) return false;
        const std::uint64_t length = Le32(packet, pos);
        pos += 4;
        if (length > packet.size() - pos) return false;
        if (!take(packet.substr(pos, length), length, 0)) return true;
        pos += length;
    }
    return true;
}

}  // namespace

std::string VorbisTitle(std::string_view packet) {
    std::string title;
    WalkComments(packet, [&](std::string_view comment, std::uint64_t, std::uint32_t) {
        const auto equals = comment.find('=');
        if (equals == std::string_view::npos || LowerAscii(comment.substr(0, equals)) != "title") return true;
        title = CleanTagTitle(ValidUtf8(comment.substr(equals + 1)));
        return false;
    });
    return title;
}

bool VorbisCommentsFit(std::string_view packet, std::uint64_t budget) {
    std::uint64_t need = 0;
    // A pointer for each comment, and each comment and the vendor with its closing NUL.
    const bool whole = WalkComments(packet, [&](std::string_view, std::uint64_t length, std::uint32_t count) {
        need += length + 1 + 8ull * count;
        return true;
    });
    return whole && need <= budget;
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
    // The decoder trusts the comment header's counts; one it cannot hold leaves it reading
    // through a null pointer as it gives up. Such a header never reaches it.
    const auto headers = ReadVorbisHeaders(*bytes);
    if (!headers || !headers->commentsWhole || !VorbisCommentsFit(headers->comments, kDecoderMemoryBytes / 2))
        return std::nullopt;
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
