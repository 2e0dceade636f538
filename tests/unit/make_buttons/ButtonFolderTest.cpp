#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "make-buttons/ButtonStrips.h"
#include "make_sounds/TempFolder.h"

namespace quill::buttons {
namespace {

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

TEST(ButtonFolder, WritesFifteen24BitStripsOfFourSlices) {
    const sounds::test::TempFolder temp;
    std::ostringstream err;
    ASSERT_TRUE(WriteButtonFolder(temp.path() / "buttons", err));
    EXPECT_EQ(err.str(), "");

    for (int n = 1; n <= kButtons; ++n) {
        std::ifstream in(temp.path() / "buttons" / ("pbut" + std::to_string(n) + ".bmp"), std::ios::binary);
        const std::string bmp((std::istreambuf_iterator<char>(in)), {});
        SCOPED_TRACE(n);
        ASSERT_EQ(bmp.size(), 54u + 128 * 32 * 3);
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        EXPECT_EQ(Le(bmp, 2, 4), bmp.size());
        EXPECT_EQ(Le(bmp, 10, 4), 54u);
        EXPECT_EQ(Le(bmp, 18, 4), 128u);
        EXPECT_EQ(Le(bmp, 22, 4), 32u);
        EXPECT_EQ(Le(bmp, 28, 2), 24u);
        EXPECT_EQ(Le(bmp, 30, 4), 0u);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path() / "buttons"), {}), kButtons);
}

}  // namespace
}  // namespace quill::buttons
