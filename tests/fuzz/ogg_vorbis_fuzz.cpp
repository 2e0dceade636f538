#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quill::fuzz::FuzzTone tone("C:\\Tones\\song.ogg", data, size);
    tone.RequireSoundReader(600ull * 48000 * 2 * 2);  // ten minutes of 48 kHz stereo
    return 0;
}
