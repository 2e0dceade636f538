#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/platform/Files.h"

namespace quill {

// Tone files come from anywhere; past this size one is not loaded at all, so a stray
// huge file cannot exhaust memory.
inline constexpr std::uint64_t kMaxToneFileBytes = 64ull << 20;

// Reads of one tone file, each checked against the size the file had when opened,
// so a length field from the file can never make a read (or its buffer) outgrow it.
class ToneFileReader {
public:
    // nullopt: missing, or larger than kMaxToneFileBytes.
    static std::optional<ToneFileReader> Open(Files& files, const std::string& path);

    // The reads of a title or a container's fields all fall here: one read of the file
    // serves them, which a search over thousands of files needs.
    static constexpr std::uint64_t kHeadBytes = 4096;

    std::uint64_t Size() const { return size_; }

    // All count bytes at offset, or nullopt when they are not all there.
    std::optional<std::string> ReadExact(std::uint64_t offset, std::uint64_t count) const;
    // Up to count bytes at offset, stopping at the end of the file.
    std::optional<std::string> ReadUpTo(std::uint64_t offset, std::uint64_t count) const;
    std::optional<std::int32_t> ReadInt32(std::uint64_t offset) const;

private:
    ToneFileReader(Files& files, std::string path, std::uint64_t size)
        : files_(&files), path_(std::move(path)), size_(size) {}

    Files* files_;
    std::string path_;
    std::uint64_t size_;
    std::string head_;  // the file's first bytes, as read once at opening
};

}  // namespace quill
