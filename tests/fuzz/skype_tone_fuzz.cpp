#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quill::fuzz::FuzzTone;
    FuzzTone tone("C:\\Tones\\ring.skype", data, size);

    const std::string title = tone.tones.ReadToneTitle(tone.path);
    FuzzTone::Require(title.size() <= size, "title comes from the file");
    FuzzTone::Require(tone.LogText().empty(), "a readable Skype file is never logged");

    const auto image = tone.tones.ExtractAudio(tone.path);
    if (image) {
        FuzzTone::Require(image->starts_with("RIFF") && tone.bytes.ends_with(*image) &&
                              size - image->size() <= 1020,
                          "image is the tail from a RIFF in the first 1024 bytes");
    }
    tone.RequireReadOnlyAndBounded();
    return 0;
}
