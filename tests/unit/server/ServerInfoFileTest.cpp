#include <gtest/gtest.h>

#include "core/server/ServerInfoFile.h"

namespace quill::test {
namespace {

using Lines = std::vector<std::string>;

TEST(ServerInfoFile, CrOrCrLfEndsALineButALoneLfStaysInIt) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"2.1\r\nyes\r\n", {"2.1", "yes"}},
        {"2.1\ryes\r", {"2.1", "yes"}},
        {"a\nb\r\nc", {"a\nb", "c"}},
        {"\r\n\r\nx", {"", "", "x"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(InfoFileLines(c.text), c.lines) << c.text;
}

std::string File(const Lines& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

TEST(ServerInfoFile, AtMost255VoicesAreKeptAndTheLinksStillFound) {
    Lines lines = {"2.1", "", "", "", "", "300"};
    for (int i = 0; i < 300; ++i) lines.insert(lines.end(), {"name" + std::to_string(i), "id" + std::to_string(i)});
    lines.insert(lines.end(), {"http://h/", "http://h/update"});
    const auto info = ReadServerInfo(File(lines));
    EXPECT_EQ(info.voices.size(), 255u);
    EXPECT_EQ(info.voices.back().id, "id254");
    EXPECT_EQ(info.webupdate, "http://h/update");
}

}  // namespace
}  // namespace quill::test
