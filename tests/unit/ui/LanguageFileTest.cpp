#include <gtest/gtest.h>

#include "core/ui/LanguageFile.h"
#include "tones/ToneDisk.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ui::LanguageFile;

struct LanguageDisk : ToneDisk {
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

using LoadLanguageTest = OptionsFixture;

TEST_F(LoadLanguageTest, FillsCaptionsTipsAndTextsFromTheFile) {
    StartWith(" caption  = Quill =x\r\nlist=Kontakte\r\ntone3=Rec\r\nframe4=Speak\r\nbuttonexit=Leave now\r\n"
              "buttonplay=Play it\r\nmenu2=Quit\r\nTone1=ignored\r\nnotext=Type!\r\nlist=Leute\r\n"
              "firsthelp7=Never again\r\n");
    app->ShowFirstRunWindow();
    auto& w = app->window;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {w.form.Caption(), " Quill =x"},
        {app->texts.caption, " Quill =x"},
        {app->texts.notext, "Type!"},
        {w.heading.Caption(), "Leute"},
        {w.kindOptions[2].Caption(), "Rec"},
        {w.kindOptions[0].Caption(), "Default Skype\u2122 ringtone"},
        {w.panelTitles[3].Caption(), "Speak"},
        {w.buttonLabels[0].Caption(), "Leave"},
        {w.buttonLabels[1].Caption(), "Minimize"},
        {w.buttonFaces[13].ToolTipText(), "Leave now"},
        {w.buttonFaces[8].ToolTipText(), "Play it"},
        {w.blindButtons[4].Caption(), "Play it"},
        {w.buttonFaces[3].ToolTipText(), ""},
        {w.MenuCaptions[2], "Quit"},
        {app->help.FirstRun()->dontShowAgain.Caption(), "Never again"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

}  // namespace
}  // namespace quill::test
