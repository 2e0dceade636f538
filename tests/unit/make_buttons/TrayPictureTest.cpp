#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "make-buttons/TrayPicture.h"

namespace quill::buttons {
namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An icon file with a 1 x 1 image of 8 bits (to be passed over) and a 2 x 2 image of 32 bits.
std::vector<std::uint8_t> Icon() {
    std::vector<std::uint8_t> ico;
    Put(ico, 0, 2), Put(ico, 1, 2), Put(ico, 2, 2);
    const std::uint32_t first = 6 + 2 * 16;
    ico.insert(ico.end(), {1, 1, 0, 0}), Put(ico, 1, 2), Put(ico, 8, 2), Put(ico, 0, 4), Put(ico, first, 4);
    ico.insert(ico.end(), {2, 2, 0, 0}), Put(ico, 1, 2), Put(ico, 32, 2), Put(ico, 40 + 16, 4), Put(ico, first, 4);
    Put(ico, 40, 4), Put(ico, 2, 4), Put(ico, 4, 4), Put(ico, 1, 2), Put(ico, 32, 2);
    ico.resize(first + 40, 0);
    // Bottom row first: opaque blue, clear; then the top row: half-opaque red, opaque green.
    ico.insert(ico.end(), {255, 0, 0, 255, 9, 9, 9, 0, 0, 0, 255, 128, 0, 255, 0, 255});
    return ico;
}

TEST(TrayPicture, TakesTheImageOfTheSizeOverTheBackgroundAndRefusesACutFile) {
    const auto image = IconImage(Icon(), 2, {255, 255, 255});
    ASSERT_TRUE(image);
    const struct {
        int x, y;
        Color c;
    } pixels[] = {{0, 1, {0, 0, 255}}, {1, 1, {255, 255, 255}}, {0, 0, {255, 127, 127}}, {1, 0, {0, 255, 0}}};
    for (const auto& p : pixels) {
        const Color got = image->At(p.x, p.y);
        EXPECT_NEAR(got.r, p.c.r, 1) << p.x << "," << p.y;
        EXPECT_NEAR(got.g, p.c.g, 1) << p.x << "," << p.y;
        EXPECT_NEAR(got.b, p.c.b, 1) << p.x << "," << p.y;
    }
    EXPECT_FALSE(IconImage(Icon(), 32, {}));
    auto cut = Icon();
    cut.pop_back();
    EXPECT_FALSE(IconImage(cut, 2, {}));
    EXPECT_FALSE(IconImage({0, 0, 1, 0, 9, 0}, 2, {}));
}

}  // namespace
}  // namespace quill::buttons
