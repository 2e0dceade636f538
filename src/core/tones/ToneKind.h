#pragma once
#include <string>

namespace quill {

enum class ToneKind {
    Plain,      // a RIFF WAVE, played as it is
    Skype,      // ".skype": a header with the title, then a WAVE image
    Container,  // ".quilar": the spoken text and a WAVE image
};

// By the end of the path alone, case-sensitive: ".SKYPE" is a plain tone.
ToneKind KindOf(const std::string& path);

}  // namespace quill
