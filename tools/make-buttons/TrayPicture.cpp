#include "make-buttons/TrayPicture.h"

namespace quill::buttons {

namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

}  // namespace

std::optional<Canvas> IconImage(const std::vector<std::uint8_t>& ico, int size, Color background) {
    if (ico.size() < 6) return std::nullopt;
    const std::size_t count = Le(ico, 4, 2);
    for (std::size_t e = 0; e < count && 6 + 16 * (e + 1) <= ico.size(); ++e) {
        const std::size_t entry = 6 + 16 * e;
        if (ico[entry] != size || ico[entry + 1] != size || Le(ico, entry + 6, 2) != 32) continue;
        const std::size_t at = Le(ico, entry + 12, 4);
        const std::size_t pixels = 4u * static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
        if (at + 40 + pixels > ico.size() || at + 40 + pixels < at) return std::nullopt;
        const std::size_t header = Le(ico, at, 4);
        if (header != 40 || Le(ico, at + 14, 2) != 32) return std::nullopt;
        Canvas canvas(size, size, background);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // Rows run bottom-up, blue green red alpha.
                const std::size_t p = at + 40 + 4u * static_cast<std::size_t>((size - 1 - y) * size + x);
                const Color c{static_cast<double>(ico[p + 2]), static_cast<double>(ico[p + 1]),
                              static_cast<double>(ico[p])};
                canvas.Set(x, y, Mix(background, c, ico[p + 3] / 255.0));
            }
        }
        return canvas;
    }
    return std::nullopt;
}

}  // namespace quill::buttons
