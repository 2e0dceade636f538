#pragma once
#include <cstdint>
#include <string>

#include "Require.h"
#include "core/base/Unicode.h"
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

    // An MP3 or Ogg reader: a refusal logged once, a title fit for a list, an image that is a
    // WAVE of at most imageBytes.
    void RequireSoundReader(std::size_t imageBytes) {
        const std::string title = tones.ReadToneTitle(path);
        const auto image = tones.ExtractAudio(path);
        Require(title.empty() == LoggedOnly("Quillares: invalid file: " + path), "refusals, and only they, are logged");
        Require(title == ValidUtf8(title) && title.find('\n') == std::string::npos, "the title is one clean line");
        Require(!image || (image->starts_with("RIFF") && image->size() > 44 && image->size() - 44 <= imageBytes),
                "the image is a bounded WAVE with audio");
        RequireReadOnlyAndBounded();
    }

    const std::string path;
    const std::string bytes;
};

}  // namespace quill::fuzz
