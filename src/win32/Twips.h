#pragma once
#include <windows.h>

namespace quill::win32 {

// The program keeps geometry in twips, 1440 to the inch.
inline int PixelsPerInch() {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}
inline int ToPixels(int twips) { return MulDiv(twips, PixelsPerInch(), 1440); }
inline int ToTwips(int pixels) { return MulDiv(pixels, 1440, PixelsPerInch()); }

}  // namespace quill::win32
