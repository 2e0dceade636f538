#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "core/tones/LittleEndian.h"
#include "make-buttons/ButtonStrips.h"
#include "make_sounds/TempFolder.h"

namespace quill::buttons {
namespace {

TEST(ButtonFolder, WritesFifteen24BitStripsOfFourSlices) {
    const sounds::test::TempFolder temp;
    std::ostringstream err;
    ASSERT_TRUE(WriteButtonFolder(temp.path / "buttons", err));
    EXPECT_EQ(err.str(), "");
    for (int n = 1; n <= kButtons; ++n) {
        std::ifstream in(temp.path / "buttons" / ("pbut" + std::to_string(n) + ".bmp"), std::ios::binary);
        const std::string bmp((std::istreambuf_iterator<char>(in)), {});
        ASSERT_EQ(bmp.size(), 54u + 128 * 32 * 3) << n;
        EXPECT_EQ(bmp.substr(0, 2), "BM") << n;
        // Size, pixel offset, width, height, then 24 bits a pixel and, in the next two bytes, no compression.
        const std::pair<std::size_t, std::int32_t> fields[] = {
            {2, static_cast<std::int32_t>(bmp.size())}, {10, 54}, {18, 128}, {22, 32}, {28, 24}};
        for (auto [offset, value] : fields) EXPECT_EQ(DecodeInt32(bmp.substr(offset, 4)), value) << n << " at " << offset;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path / "buttons"), {}), kButtons);
}

}  // namespace
}  // namespace quill::buttons
