#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "make-sounds/WaveFile.h"
#include "make_sounds/TempFolder.h"

namespace quill::sounds {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

TEST(WaveFile, HeaderDescribesTheDataThatFollows) {
    const std::vector<std::int16_t> samples{0, 1, -1, 32767, -32768, 0x1234};
    const auto b = EncodeWave(samples, 16000);

    ASSERT_EQ(b.size(), 44u + 2 * samples.size());
    EXPECT_EQ(Tag(b, 0), "RIFF");
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(Tag(b, 8), "WAVE");
    EXPECT_EQ(Tag(b, 12), "fmt ");
    EXPECT_EQ(Le(b, 16, 4), 16u);
    EXPECT_EQ(Le(b, 20, 2), 1u);       // PCM
    EXPECT_EQ(Le(b, 22, 2), 1u);       // mono
    EXPECT_EQ(Le(b, 24, 4), 16000u);
    EXPECT_EQ(Le(b, 28, 4), 32000u);   // bytes per second
    EXPECT_EQ(Le(b, 32, 2), 2u);       // block align
    EXPECT_EQ(Le(b, 34, 2), 16u);
    EXPECT_EQ(Tag(b, 36), "data");
    EXPECT_EQ(Le(b, 40, 4), 2 * samples.size());

    // Samples are little-endian two's complement.
    EXPECT_EQ(Le(b, 46, 2), 0x0001u);
    EXPECT_EQ(Le(b, 48, 2), 0xFFFFu);
    EXPECT_EQ(Le(b, 52, 2), 0x8000u);
    EXPECT_EQ(Le(b, 54, 2), 0x1234u);
}

TEST(WaveFile, WritesTheEncodedBytesAndReportsFailure) {
    const test::TempFolder temp;
    const auto& dir = temp.path();
    const std::vector<std::int16_t> samples{5, -5, 300};

    ASSERT_TRUE(WriteWaveFile(dir / "a.wav", samples, 16000));
    std::ifstream in(dir / "a.wav", std::ios::binary);
    const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(written, EncodeWave(samples, 16000));

    EXPECT_FALSE(WriteWaveFile(dir / "missing-folder" / "b.wav", samples, 16000));
}

}  // namespace
}  // namespace quill::sounds
