#include <gtest/gtest.h>

#include "core/base/LanguageTexts.h"
#include "core/ui/LanguageFile.h"
#include "tones/ToneDisk.h"

namespace quill::ui {
namespace {

struct LanguageDisk : test::ToneDisk {
    const std::string path = "C:\\Quillares\\english.txt";
    LanguageFile Read(const std::string& bytes) {
        disk.files[path] = bytes;
        return LanguageFile::Read(disk, codec, log, path);
    }
};

using Lines = std::vector<std::pair<std::string, std::string>>;

Lines Pairs(const LanguageFile& file) {
    Lines out;
    for (const auto& l : file.Lines()) out.emplace_back(l.key, l.value);
    return out;
}

TEST(LanguageFile, LineRules) {
    const std::vector<std::pair<std::string, Lines>> cases = {
        {" caption  = Title =2\r\n", {{"caption", " Title =2"}}},
        {"a=one~two~", {{"a", "one\r\ntwo\r\n"}}},
        {"a=x\rb=y\r\nc=z", {{"a", "x"}, {"b", "y"}, {"c", "z"}}},
        {"a=x\nb=y\r", {{"a", "x\nb=y"}}},
        {"; comment\r\n\r\n=no key\r\n   =blank key\r\n", {}},
        {"key\t=tab stays", {{"key\t", "tab stays"}}},
        {"a=caf\xE9", {{"a", "caf\xC3\xA9"}}},
        {"a=1\r\r\nA=2\r\na=3", {{"a", "1"}, {"A", "2"}, {"a", "3"}}},
        {"", {}},
    };
    for (const auto& [bytes, lines] : cases) {
        LanguageDisk disk;
        EXPECT_EQ(Pairs(disk.Read(bytes)), lines) << bytes;
    }

    LanguageDisk disk;
    const auto file = disk.Read("a=1\r\nA=2\r\na=3\r\n");
    ASSERT_NE(file.Find("a"), nullptr);
    EXPECT_EQ(*file.Find("a"), "3");
    EXPECT_EQ(file.Find("a "), nullptr);
    EXPECT_EQ(file.Find("b"), nullptr);
}

TEST(LanguageFile, MissingOrOversizedFileReadsAsEmpty) {
    LanguageDisk disk;
    EXPECT_TRUE(LanguageFile::Read(disk.disk, disk.codec, disk.log, "C:\\none.txt").Lines().empty());
    EXPECT_TRUE(disk.Logged().empty());

    EXPECT_EQ(disk.Read("a=" + std::string(LanguageFile::kMaxBytes - 2, 'x')).Lines().size(), 1u);
    EXPECT_TRUE(disk.Read("a=" + std::string(LanguageFile::kMaxBytes - 1, 'x')).Lines().empty());
    EXPECT_EQ(disk.Logged(),
              std::vector<std::string>{"Quillares: language file too large, not read: " + disk.path});
    EXPECT_LE(disk.disk.largestRead, LanguageFile::kMaxBytes + 1);
}

TEST(LanguageTexts, TakesOnlyItsOwnKeys) {
    const auto file =
        LanguageFile::Parse("ok=&OK\r\nOK=no\r\ncancel=&Cancel\r\ndowloaded=Done\r\nmenu1=Options\r\nok=&Yes");
    LanguageTexts texts;
    for (const auto& line : file.Lines()) texts.Take(line.key, line.value);
    EXPECT_EQ(texts.ok, "&Yes");
    EXPECT_EQ(texts.cancel, "&Cancel");
    EXPECT_EQ(texts.dowloaded, "Done");
    EXPECT_EQ(texts.caption, "");
    EXPECT_FALSE(texts.Take("menu1", "x"));
}

}  // namespace
}  // namespace quill::ui
