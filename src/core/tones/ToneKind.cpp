#include "core/tones/ToneKind.h"

#include "core/base/Text.h"

namespace quill {

ToneKind KindOf(const std::string& path) {
    if (path.ends_with(".skype")) return ToneKind::Skype;
    if (path.ends_with(".quilar")) return ToneKind::Container;
    const std::string lower = LowerAscii(path);
    if (lower.ends_with(".mp3")) return ToneKind::Mp3;
    if (lower.ends_with(".ogg")) return ToneKind::Vorbis;
    return ToneKind::Plain;
}

}  // namespace quill
