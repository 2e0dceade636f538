#pragma once
#include <string>

namespace quill {

enum class ToneKind {
    Plain,      // a RIFF WAVE, played as it is
    Skype,      // ".skype": a header with the title, then a WAVE image
    Container,  // ".quilar": the spoken text and a WAVE image
    Mp3,        // ".mp3": MPEG layer III, decoded by the system's codec
    Vorbis,     // ".ogg": Ogg Vorbis
};

// By the end of the path alone, case-sensitive for the older kinds (".SKYPE" is a plain tone);
// ".mp3" and ".ogg" in any case, since nothing older names them otherwise.
ToneKind KindOf(const std::string& path);

}  // namespace quill
