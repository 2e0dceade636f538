#pragma once
#include <windows.h>

namespace quill::win32 {

// The system's message font and its bold and underlined (link) faces, made once per process.
struct Fonts {
    HFONT plain, bold, link;
};
const Fonts& MessageFonts();

}  // namespace quill::win32
