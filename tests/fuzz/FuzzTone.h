#pragma once
#include <cstdint>
#include <string>

#include "Require.h"
#include "tones/ToneDisk.h"

namespace quill::fuzz {

// One fuzz input as the only file on an in-memory disk, and the promises every tone
// reader makes about such a file whatever it holds.
struct FuzzTone : test::ToneDisk {
    FuzzTone(std::string tonePath, const std::uint8_t* data, std::size_t size)
        : path(std::move(tonePath)), bytes(reinterpret_cast<const char*>(data), size) {
        disk.files[path] = bytes;
    }

    bool LoggedOnly(const std::string& text) { return Logged() == std::vector<std::string>{text}; }

    // Readers leave the file alone and never ask for more than it holds.
    void RequireReadOnlyAndBounded() {
        Require(disk.files.size() == 1 && disk.files[path] == bytes, "readers change nothing");
        Require(disk.largestRead <= bytes.size(), "no read larger than the file");
    }

    const std::string path;
    const std::string bytes;
};

}  // namespace quill::fuzz
