#include "FuzzTone.h"
#include "core/base/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    FuzzTone tone("C:\\Tones\\song.mp3", data, size);

    const std::string title = tone.tones.ReadToneTitle(tone.path);
    const auto image = tone.tones.ExtractAudio(tone.path);

    Require(title.empty() == tone.LoggedOnly("Quillares: invalid file: " + tone.path),
            "a refused file is logged once, an accepted one not at all");
    Require(title == quill::ValidUtf8(title) && title.find('\n') == std::string::npos, "the title is one clean line");
    if (image) {
        Require(!title.empty(), "a file that decodes has frames the title reader finds");
        Require(image->starts_with("RIFF") && image->size() > 44, "the image is a WAVE with audio");
        // No more PCM than the frames it was handed can hold.
        Require(image->size() - 44 <= tone.mp3.frames.size() * 1152 * 2 * 2, "decoded audio is bounded by its frames");
    }
    tone.RequireReadOnlyAndBounded();
    return 0;
}
