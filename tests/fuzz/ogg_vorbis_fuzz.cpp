#include "FuzzTone.h"
#include "core/base/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    FuzzTone tone("C:\\Tones\\song.ogg", data, size);

    const std::string title = tone.tones.ReadToneTitle(tone.path);
    const auto image = tone.tones.ExtractAudio(tone.path);

    Require(title.empty() == tone.LoggedOnly("Quillares: invalid file: " + tone.path),
            "a refused file is logged once, an accepted one not at all");
    Require(title == quill::ValidUtf8(title) && title.find('\n') == std::string::npos, "the title is one clean line");
    if (image) {
        Require(image->starts_with("RIFF") && image->size() > 44, "the image is a WAVE with audio");
        // Ten minutes of 48 kHz stereo at the most.
        Require(image->size() - 44 <= 600ull * 48000 * 2 * 2, "decoded audio is bounded");
    }
    tone.RequireReadOnlyAndBounded();
    return 0;
}
