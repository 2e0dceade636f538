#pragma once
#include <cstdint>
#include <string>

#include "core/tones/LittleEndian.h"

namespace quill::test {

inline const std::string kNul(1, '\0');

inline std::string Int32Bytes(std::int32_t value) {
    std::string out;
    AppendInt32(out, value);
    return out;
}

// A WAVE of exactly `bytes` bytes (at least 12) whose body differs at every offset.
inline std::string MakeWave(std::size_t bytes) {
    std::string wave = "RIFF" + Int32Bytes(static_cast<std::int32_t>(bytes - 8)) + "WAVE";
    for (std::size_t i = wave.size(); i < bytes; ++i) wave.push_back(static_cast<char>(i * 7));
    return wave;
}

inline std::string MakeContainer(const std::string& opaque, const std::string& text,
                                 const std::string& wave) {
    return "QUILLARE" + Int32Bytes(static_cast<std::int32_t>(opaque.size())) + opaque +
           Int32Bytes(static_cast<std::int32_t>(text.size())) + text +
           Int32Bytes(static_cast<std::int32_t>(wave.size() - 4)) + wave.substr(4);
}

// The 9 bytes no reader looks at, then `header`, then the image.
inline std::string MakeSkypeFile(const std::string& header, const std::string& wave) {
    return std::string(9, '\x01') + header + wave;
}

// MPEG 1 layer III frames at 128 kbit/s, 44.1 kHz stereo: 417 bytes each, silent bodies.
inline std::string MakeMp3Frames(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += std::string("\xFF\xFB\x90\x00", 4) + std::string(413, '\0');
    return out;
}

// An ID3v2 frame and tag of fewer than 128 bytes, and a tag holding one Latin-1 title.
inline std::string Frame(const std::string& id, const std::string& body, char format = 0) {
    return id + std::string(3, '\0') + char(body.size()) + '\0' + format + body;
}
inline std::string Tag(char version, char flags, const std::string& frames) {
    return std::string("ID3") + version + '\0' + flags + std::string(3, '\0') + char(frames.size()) + frames;
}
inline std::string MakeId3(const std::string& title) { return Tag(3, 0, Frame("TIT2", kNul + title)); }

// An Ogg stream's first two pages: the codec's identification and the comments.
inline std::string MakeOggHeaders(const std::string& comment) {
    auto page = [](const std::string& packet) {
        return "OggS" + std::string(22, '\0') + char(1) + char(packet.size()) + packet;
    };
    const std::string id = "\x01vorbis" + Int32Bytes(0) + char(1) + Int32Bytes(8000) + std::string(15, '\0');
    const std::string tags = "\x03vorbis" + Int32Bytes(1) + "v" + Int32Bytes(1) +
                             Int32Bytes(static_cast<std::int32_t>(comment.size())) + comment + "\x01";
    return page(id) + page(tags);
}

}  // namespace quill::test
