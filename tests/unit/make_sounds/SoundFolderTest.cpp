#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "make-sounds/SoundFolder.h"
#include "make-sounds/Tones.h"
#include "make_sounds/TempFolder.h"

namespace quill::sounds {
namespace {

TEST(SoundFolder, CreatesTheFolderAndWritesEverySound) {
    const test::TempFolder temp;
    const auto folder = temp.path() / "out" / "sounds";
    std::ostringstream err;

    ASSERT_TRUE(WriteSoundFolder(folder, err));
    EXPECT_EQ(err.str(), "");
    for (const Sound& s : BuildSounds())
        EXPECT_EQ(std::filesystem::file_size(folder / s.fileName), 44 + 2 * s.samples.size()) << s.fileName;
}

TEST(SoundFolder, ReportsWhatCouldNotBeWritten) {
    const test::TempFolder temp;
    std::ostringstream err;

    const auto notAFolder = temp.path() / "plain-file";
    std::ofstream(notAFolder) << "x";
    EXPECT_FALSE(WriteSoundFolder(notAFolder, err));
    EXPECT_NE(err.str().find("plain-file"), std::string::npos);

    // One blocked file must not stop the others.
    err.str("");
    std::filesystem::create_directories(temp.path() / "out" / "away.wav");
    EXPECT_FALSE(WriteSoundFolder(temp.path() / "out", err));
    EXPECT_NE(err.str().find("away.wav"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(temp.path() / "out" / "default.wav"));
    EXPECT_TRUE(std::filesystem::is_regular_file(temp.path() / "out" / "message.wav"));
}

}  // namespace
}  // namespace quill::sounds
