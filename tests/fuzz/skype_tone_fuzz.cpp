#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    FuzzTone tone("C:\\Tones\\ring.skype", data, size);

    const std::string title = tone.tones.ReadToneTitle(tone.path);
    // Stored in the ANSI code page: one byte a character there, up to three inside the program.
    Require(tone.codec.Utf8ToAnsi(title).size() <= size, "title comes from the file");
    Require(tone.Logged().empty(), "a readable Skype file is never logged");

    const auto image = tone.tones.ExtractAudio(tone.path);
    Require(!image || (image->starts_with("RIFF") && tone.bytes.ends_with(*image) && size - image->size() <= 1020),
            "image is the tail from a RIFF in the first 1024 bytes");
    tone.RequireReadOnlyAndBounded();
    return 0;
}
