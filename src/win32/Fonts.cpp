#include "win32/Fonts.h"

namespace quill::win32 {

const Fonts& MessageFonts() {
    static const Fonts fonts = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        LOGFONTW face = metrics.lfMessageFont;
        Fonts f{};
        f.plain = CreateFontIndirectW(&face);
        face.lfWeight = FW_BOLD;
        f.bold = CreateFontIndirectW(&face);
        face.lfWeight = FW_NORMAL;
        face.lfUnderline = TRUE;
        f.link = CreateFontIndirectW(&face);
        return f;
    }();
    return fonts;
}

}  // namespace quill::win32
