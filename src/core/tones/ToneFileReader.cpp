#include "core/tones/ToneFileReader.h"

#include <algorithm>

#include "core/tones/LittleEndian.h"

namespace quill {

std::optional<ToneFileReader> ToneFileReader::Open(Files& files, const std::string& path) {
    const auto size = files.Size(path);
    if (!size || *size > kMaxToneFileBytes) return std::nullopt;
    ToneFileReader reader(files, path, *size);
    if (auto head = files.Read(path, 0, static_cast<std::size_t>(std::min(*size, kHeadBytes))))
        reader.head_ = std::move(*head);
    return reader;
}

std::optional<std::string> ToneFileReader::ReadExact(std::uint64_t offset,
                                                     std::uint64_t count) const {
    if (offset > size_ || count > size_ - offset) return std::nullopt;
    if (offset <= head_.size() && count <= head_.size() - offset) return head_.substr(offset, count);
    auto bytes = files_->Read(path_, offset, static_cast<std::size_t>(count));
    // A file that shrank since it was opened is as bad as a lying length field.
    if (!bytes || bytes->size() != count) return std::nullopt;
    return bytes;
}

std::optional<std::string> ToneFileReader::ReadUpTo(std::uint64_t offset,
                                                    std::uint64_t count) const {
    if (offset >= size_) return std::string();
    return ReadExact(offset, std::min(count, size_ - offset));
}

std::optional<std::int32_t> ToneFileReader::ReadInt32(std::uint64_t offset) const {
    const auto bytes = ReadExact(offset, 4);
    if (!bytes) return std::nullopt;
    return DecodeInt32(*bytes);
}

}  // namespace quill
