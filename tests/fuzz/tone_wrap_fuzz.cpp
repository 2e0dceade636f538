#include <algorithm>

#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill::fuzz;
    // The first byte picks how much of the rest is the text; the remainder is the file.
    const std::size_t textBytes = size > 0 ? std::min<std::size_t>(data[0] % 32, size - 1) : 0;
    const std::string text(reinterpret_cast<const char*>(data) + (size > 0), textBytes);
    const std::size_t skip = size > 0 ? 1 + textBytes : 0;
    FuzzTone tone("C:\\Tones\\hello.quilar", data + skip, size - skip);

    if (tone.tones.WrapToneFile(tone.path, text)) {
        // On disk the text is spelled in the code page, which may lack some of its characters.
        const std::string stored = tone.codec.Utf8ToAnsi(text);
        Require(tone.disk.files[tone.path].size() == tone.bytes.size() + 16 + stored.size(),
                "container is the WAVE plus 16 bytes and the text");
        Require(tone.tones.ExtractAudio(tone.path) == tone.bytes, "container gives back the WAVE byte for byte");
        Require(tone.tones.ReadContainerText(tone.path) == tone.codec.AnsiToUtf8(stored),
                "container keeps the text as the code page spells it");
        Require(tone.Logged().empty(), "a good wrap is not logged");
    } else {
        Require(tone.disk.files[tone.path] == tone.bytes, "a refused file is untouched");
        Require(tone.LoggedOnly("Quillares: invalid file: " + tone.path), "a refused file is logged once");
    }
    return 0;
}
