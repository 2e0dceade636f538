#include "make-buttons/BmpFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace quill::buttons {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint8_t Channel(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
    const auto width = static_cast<std::uint32_t>(canvas.Width());
    const auto height = static_cast<std::uint32_t>(canvas.Height());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = stride * height;
    constexpr std::uint32_t kHeaderBytes = 14 + 40;

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put(out, kHeaderBytes + imageBytes, 4);
    Put(out, 0, 4);
    Put(out, kHeaderBytes, 4);
    Put(out, 40, 4);
    Put(out, width, 4);
    Put(out, height, 4);
    Put(out, 1, 2);   // planes
    Put(out, 24, 2);  // bits per pixel
    Put(out, 0, 4);   // no compression
    Put(out, imageBytes, 4);
    Put(out, 2835, 4);  // 72 dots per inch
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Color c = canvas.At(x, y);
            out.push_back(Channel(c.b));
            out.push_back(Channel(c.g));
            out.push_back(Channel(c.r));
        }
        out.resize(out.size() + (stride - width * 3), 0);
    }
    return out;
}

bool WriteBmpFile(const std::filesystem::path& path, const Canvas& canvas) {
    const auto bytes = EncodeBmp(canvas);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace quill::buttons
