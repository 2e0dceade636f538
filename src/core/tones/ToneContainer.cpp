#include "core/tones/ToneContainer.h"

#include "core/tones/LittleEndian.h"

namespace quill {

namespace {

struct Field {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// The length-prefixed field at pos; on success pos moves past it.
std::optional<Field> NextField(const ToneFileReader& file, std::uint64_t& pos) {
    const auto length = file.ReadInt32(pos);
    if (!length || *length < 0) return std::nullopt;
    Field field{pos + 4, static_cast<std::uint64_t>(*length)};
    // ReadInt32 succeeded, so field.offset <= Size().
    if (field.length > file.Size() - field.offset) return std::nullopt;
    pos = field.offset + field.length;
    return field;
}

}  // namespace

std::optional<ContainerLayout> LocateContainer(const ToneFileReader& file) {
    const auto magic = file.ReadExact(0, kContainerMagic.size());
    if (!magic || *magic != kContainerMagic) return std::nullopt;
    std::uint64_t pos = kContainerMagic.size();
    const auto opaque = NextField(file, pos);
    if (!opaque) return std::nullopt;
    const auto text = NextField(file, pos);
    if (!text) return std::nullopt;
    const auto payload = NextField(file, pos);
    if (!payload) return std::nullopt;
    return ContainerLayout{text->offset, text->length, payload->offset, payload->length};
}

std::optional<std::string> ContainerText(const ToneFileReader& file) {
    const auto layout = LocateContainer(file);
    if (!layout) return std::nullopt;
    return file.ReadExact(layout->textOffset, layout->textLength);
}

std::optional<std::string> ContainerAudio(const ToneFileReader& file) {
    const auto layout = LocateContainer(file);
    if (!layout) return std::nullopt;
    auto body = file.ReadExact(layout->payloadOffset, layout->payloadLength);
    if (!body) return std::nullopt;
    return "RIFF" + *body;
}

std::string BuildContainer(std::string_view text, std::string_view wavBody) {
    std::string out;
    out.reserve(kContainerMagic.size() + 12 + text.size() + wavBody.size());
    out += kContainerMagic;
    AppendInt32(out, 0);
    AppendInt32(out, static_cast<std::int32_t>(text.size()));
    out += text;
    AppendInt32(out, static_cast<std::int32_t>(wavBody.size()));
    out += wavBody;
    return out;
}

}  // namespace quill
