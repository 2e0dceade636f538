#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    FuzzTone tone("C:\\Tones\\hello.quilar", data, size);

    const std::string title = tone.tones.ReadToneTitle(tone.path);
    const auto text = tone.tones.ReadContainerText(tone.path);
    const auto image = tone.tones.ExtractAudio(tone.path);

    Require(text.has_value() == image.has_value(), "text and audio agree on whether the container is valid");
    if (text) {
        Require(title == *text && tone.Logged().empty(), "title is the text");
        Require(image->starts_with("RIFF"), "image is a RIFF");
        // The text is UTF-8 here but one byte a character on disk.
        Require(16 + tone.codec.Utf8ToAnsi(*text).size() + image->size() <= size, "fields lie inside the file");
    } else {
        Require(title.empty() && tone.LoggedOnly("Quillares: invalid file: " + tone.path),
                "an invalid container is logged once by the title reader");
    }
    tone.RequireReadOnlyAndBounded();
    return 0;
}
