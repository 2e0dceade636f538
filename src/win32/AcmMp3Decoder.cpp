#include "win32/AcmMp3Decoder.h"

#include <windows.h>
#include <mmreg.h>
#include <msacm.h>

#include <algorithm>
#include <vector>

namespace quill::win32 {

namespace {

constexpr DWORD kChunkBytes = 8192;
// The smallest layer III frame (8 kbit/s at 24 kHz) is 24 bytes: a chunk of them all decodes
// to this many frames at most.
constexpr DWORD kMostFramesPerChunk = kChunkBytes / 24 + 2;
// Draining the codec's own buffer at the end takes a few calls; never more than these.
constexpr int kMostDrainCalls = 64;

class Stream {
public:
    Stream(WAVEFORMATEX* from, WAVEFORMATEX* to) {
        if (acmStreamOpen(&handle_, nullptr, from, to, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME) != 0)
            handle_ = nullptr;
    }
    ~Stream() {
        if (handle_) acmStreamClose(handle_, 0);
    }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    HACMSTREAM handle() const { return handle_; }

private:
    HACMSTREAM handle_ = nullptr;
};

}  // namespace

std::optional<std::string> AcmMp3Decoder::Decode(const Mp3Format& format, std::string_view frames,
                                                 std::size_t maxPcmBytes) {
    MPEGLAYER3WAVEFORMAT mp3{};
    mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    mp3.wfx.nChannels = static_cast<WORD>(format.channels);
    mp3.wfx.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    mp3.wfx.nAvgBytesPerSec = static_cast<DWORD>(format.bitrateKbps * 1000 / 8);
    mp3.wfx.nBlockAlign = 1;
    mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    mp3.wID = MPEGLAYER3_ID_MPEG;
    mp3.fdwFlags = MPEGLAYER3_FLAG_PADDING_OFF;
    mp3.nBlockSize = static_cast<WORD>(format.samplesPerFrame / 8 * format.bitrateKbps * 1000 / format.sampleRate);
    mp3.nFramesPerBlock = 1;
    WAVEFORMATEX pcm{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = static_cast<WORD>(format.channels);
    pcm.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    pcm.wBitsPerSample = 16;
    pcm.nBlockAlign = static_cast<WORD>(format.channels * 2);
    pcm.nAvgBytesPerSec = pcm.nSamplesPerSec * pcm.nBlockAlign;

    Stream stream(&mp3.wfx, &pcm);
    if (!stream.handle()) return std::nullopt;
    std::vector<BYTE> in(kChunkBytes);
    std::vector<BYTE> out(kMostFramesPerChunk * format.samplesPerFrame * pcm.nBlockAlign);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof(header);
    header.pbSrc = in.data();
    header.cbSrcLength = kChunkBytes;
    header.pbDst = out.data();
    header.cbDstLength = static_cast<DWORD>(out.size());
    if (acmStreamPrepareHeader(stream.handle(), &header, 0) != 0) return std::nullopt;

    std::string decoded;
    std::size_t pos = 0;
    bool ok = true;
    int drains = 0;
    for (bool first = true; decoded.size() < maxPcmBytes; first = false) {
        const bool last = pos >= frames.size();
        if (last && ++drains > kMostDrainCalls) break;
        const DWORD count = static_cast<DWORD>(std::min<std::size_t>(kChunkBytes, frames.size() - pos));
        std::copy_n(frames.data() + pos, count, in.data());
        header.cbSrcLength = count;
        header.cbSrcLengthUsed = 0;
        header.cbDstLengthUsed = 0;
        const DWORD flags = (first ? ACM_STREAMCONVERTF_START : 0) | (last ? ACM_STREAMCONVERTF_END : 0);
        if (acmStreamConvert(stream.handle(), &header, flags) != 0) {
            ok = false;
            break;
        }
        decoded.append(reinterpret_cast<const char*>(out.data()), header.cbDstLengthUsed);
        pos += std::min<std::size_t>(header.cbSrcLengthUsed, count);
        // A codec that takes nothing and gives nothing has said all it will.
        if (header.cbDstLengthUsed == 0 && (last || header.cbSrcLengthUsed == 0)) break;
    }
    // The header is released with the sizes it was prepared with.
    header.cbSrcLength = kChunkBytes;
    header.cbDstLength = static_cast<DWORD>(out.size());
    acmStreamUnprepareHeader(stream.handle(), &header, 0);
    if (!ok && decoded.empty()) return std::nullopt;
    if (decoded.size() > maxPcmBytes) decoded.resize(maxPcmBytes);
    return decoded;
}

}  // namespace quill::win32
