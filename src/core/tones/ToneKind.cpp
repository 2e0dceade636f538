#include "core/tones/ToneKind.h"

namespace quill {

ToneKind KindOf(const std::string& path) {
    if (path.ends_with(".skype")) return ToneKind::Skype;
    if (path.ends_with(".quilar")) return ToneKind::Container;
    return ToneKind::Plain;
}

}  // namespace quill
