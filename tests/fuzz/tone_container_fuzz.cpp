#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quill::fuzz::FuzzTone;
    FuzzTone tone("C:\\Tones\\hello.quilar", data, size);

    const std::string title = tone.tones.ReadToneTitle(tone.path);
    const auto text = tone.tones.ReadContainerText(tone.path);
    const auto image = tone.tones.ExtractAudio(tone.path);

    FuzzTone::Require(text.has_value() == image.has_value(),
                      "text and audio agree on whether the container is valid");
    if (text) {
        FuzzTone::Require(title == *text && tone.LogText().empty(), "title is the text");
        FuzzTone::Require(image->starts_with("RIFF"), "image is a RIFF");
        FuzzTone::Require(16 + text->size() + image->size() <= size, "fields lie inside the file");
    } else {
        FuzzTone::Require(title.empty() && tone.LoggedOnly("Quillares: invalid file: " + tone.path),
                          "an invalid container is logged once by the title reader");
    }
    tone.RequireReadOnlyAndBounded();
    return 0;
}
