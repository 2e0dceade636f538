#pragma once
#include <algorithm>

#include "fakes/FakeFiles.h"

namespace quill::test {

// Remembers what was read, to prove that no length field from a file sized a buffer.
class ReadWatchingFiles : public FakeFiles {
public:
    int reads = 0;
    std::size_t largestRead = 0;
    // Sizes claim this much more than the files hold, as if cut short after being sized.
    std::uint64_t sizeSlack = 0;

    std::optional<std::uint64_t> Size(const std::string& path) override {
        const auto size = FakeFiles::Size(path);
        if (!size) return std::nullopt;
        return *size + sizeSlack;
    }

    std::optional<std::string> Read(const std::string& path, std::uint64_t offset,
                                    std::size_t maxBytes) override {
        ++reads;
        largestRead = std::max(largestRead, maxBytes);
        return FakeFiles::Read(path, offset, maxBytes);
    }
};

}  // namespace quill::test
