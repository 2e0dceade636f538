#include "core/tones/TagTitle.h"

#include "core/base/Text.h"
#include "core/base/Unicode.h"

namespace quill {

namespace {

constexpr std::uint64_t kId3HeaderBytes = 10;

std::uint32_t BigEndian(std::string_view b, std::size_t bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[i]);
    return v;
}

// Seven bits a byte; nullopt when a byte has its top bit set, as no real tag does.
std::optional<std::uint32_t> SyncSafe(std::string_view b) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<unsigned char>(b[i]);
        if (byte & 0x80) return std::nullopt;
        v = (v << 7) | byte;
    }
    return v;
}

// The tag's writer put a zero after every 0xFF that could look like a frame sync.
std::string Resynchronise(std::string_view b) {
    std::string out;
    out.reserve(b.size());
    for (std::size_t i = 0; i < b.size(); ++i) {
        out.push_back(b[i]);
        if (static_cast<unsigned char>(b[i]) == 0xFF && i + 1 < b.size() && b[i + 1] == '\0') ++i;
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view b) {
    std::string out;
    for (unsigned char c : b) AppendUtf8(out, c);
    return out;
}

// A text frame's body: an encoding byte, then the text; only its first value counts.
std::string TextFrame(std::string_view body) {
    if (body.empty()) return "";
    const auto encoding = static_cast<unsigned char>(body[0]);
    std::string_view text = body.substr(1);
    if (encoding == 1 || encoding == 2) {
        bool bigEndian = encoding == 2;
        const std::string_view bom = text.substr(0, 2);
        if (bom == "\xFF\xFE" || bom == "\xFE\xFF") {
            bigEndian = bom[0] == '\xFE';
            text.remove_prefix(2);
        }
        std::size_t end = 0;
        while (end + 1 < text.size() && (text[end] != '\0' || text[end + 1] != '\0')) end += 2;
        return Utf16ToUtf8(text.substr(0, end), bigEndian);
    }
    text = text.substr(0, text.find('\0'));
    if (encoding == 0) return Latin1ToUtf8(text);
    if (encoding == 3) return ValidUtf8(text);
    return "";
}

}  // namespace

std::string CleanTagTitle(std::string_view utf8) {
    std::string s(utf8);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    return Trim(FirstUtf16Units(Trim(s), kMaxTagTitleUnits));
}

std::uint64_t Id3v2Length(std::string_view head) {
    if (head.size() < kId3HeaderBytes || head.substr(0, 3) != "ID3") return 0;
    const auto size = SyncSafe(head.substr(6, 4));
    if (!size) return 0;
    const bool footer = head[3] == 4 && (static_cast<unsigned char>(head[5]) & 0x10);
    return kId3HeaderBytes + *size + (footer ? kId3HeaderBytes : 0);
}

std::string Id3v2Title(std::string_view head) {
    const std::uint64_t length = Id3v2Length(head);
    if (length == 0) return "";
    const int version = head[3];
    const auto flags = static_cast<unsigned char>(head[5]);
    if (version < 2 || version > 4) return "";
    std::string tag(head.substr(kId3HeaderBytes, length - kId3HeaderBytes));
    if (flags & 0x80) tag = Resynchronise(tag);
    std::string_view rest = tag;
    if (version >= 3 && (flags & 0x40)) {
        if (rest.size() < 4) return "";
        // Version 3 counts the size field apart, version 4 within.
        const std::uint64_t extended = version == 3 ? 4 + BigEndian(rest, 4) : SyncSafe(rest.substr(0, 4)).value_or(~0u);
        if (extended > rest.size()) return "";
        rest.remove_prefix(extended);
    }
    const std::size_t idBytes = version == 2 ? 3 : 4;
    const std::size_t headerBytes = version == 2 ? 6 : 10;
    const std::string_view wanted = version == 2 ? "TT2" : "TIT2";
    while (rest.size() >= headerBytes && rest[0] != '\0') {
        std::uint64_t size = version == 2 ? BigEndian(rest.substr(3), 3)
                             : version == 3 ? BigEndian(rest.substr(4), 4)
                                            : SyncSafe(rest.substr(4, 4)).value_or(~0u);
        if (size > rest.size() - headerBytes) return "";
        std::string_view body = rest.substr(headerBytes, size);
        if (rest.substr(0, idBytes) == wanted) {
            const auto format = version == 2 ? 0 : static_cast<unsigned char>(rest[9]);
            // Compressed or encrypted titles are not worth a decoder; the file name serves.
            if ((version == 3 && (format & 0xC0)) || (version == 4 && (format & 0x0C))) return "";
            std::string frame(body);
            if (version == 4 && (format & 0x01)) frame = frame.size() >= 4 ? frame.substr(4) : "";
            if (version == 4 && (format & 0x02)) frame = Resynchronise(frame);
            return CleanTagTitle(TextFrame(frame));
        }
        rest.remove_prefix(headerBytes + size);
    }
    return "";
}

}  // namespace quill
