#include "FuzzTone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quill::fuzz::FuzzTone tone("C:\\Tones\\song.mp3", data, size);
    // No more PCM than its frames can hold: a layer III frame of at least 24 bytes gives 1152 stereo samples.
    tone.RequireSoundReader(size / 24 * 1152 * 4);
    return 0;
}
