// The catalogue as Find and a new user's settings file build it, over the whole program.
#include <gmock/gmock.h>

#include <algorithm>
#include <optional>
#include <set>

#include "fakes/ProgramHarness.h"
#include "tones/ToneTestBytes.h"

namespace quill::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using namespace std::string_literals;

struct ToneCatalogueTest : ::testing::Test, ProgramHarness {
    const std::string pictures = "C:\\Users\\me\\My Skype Pictures";
    void SetUp() override {
        files.files[folder + "english.txt"] = "recorded=Recording of\r\nsearching=Looking for:\r\n";
        ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
    }
    void Container(const std::string& name, const std::string& text) {
        files.files[folder + "tones\\" + name] = MakeContainer("", text, MakeWave(64));
    }
    void PicturesAt(const std::string& path) { registry.values["SOFTWARE\\Skype\\Phone|MySkypePicturesPath"] = path; }
    std::string Tones(const std::string& key) const { return ini.Get(folder + app->shared.IniName, "tones", key); }
    // "title|file" for entries 1 to number.
    std::vector<std::string> Entries() const {
        std::vector<std::string> out;
        const int n = std::stoi(Tones("number"));
        for (int i = 1; i <= n; ++i)
            out.push_back(Tones("tone" + std::to_string(i)) + "|" + Tones("file" + std::to_string(i)));
        return out;
    }
};

TEST_F(ToneCatalogueTest, FindListsTheThreePlacesInOrderAndLeavesStaleKeysAbove) {
    Start();
    Container("b.quilar", "Bells at noon");
    Container("a.quilar", "");                 // nothing to say: not offered
    Container("tmp.quilar", "scratch");        // the synthesis scratch file
    Container("old_tmp.quilar", "scratch");
    files.files[folder + "tones\\bad.quilar"] = "not a container";
    files.files[folder + "tones\\song.mp3"] = MakeId3("Own Song") + MakeMp3Frames(2);
    files.files[folder + "tones\\bare.OGG"] = MakeOggHeaders("ARTIST=nobody");  // untitled: its name
    PicturesAt(pictures);
    files.files["C:\\Users\\me\\My Skype Content\\ring.skype"] =
        MakeSkypeFile("hdr" + kNul + kNul + "My Tone" + kNul, MakeWave(64));
    files.files[folder + "wav\\rec_bob.wav"] = "RIFF";
    files.files[folder + "wav\\Rec_bob.wav"] = "RIFF";  // the prefix is case-sensitive
    files.files[folder + "wav\\default.wav"] = "RIFF";  // not a recording
    for (int i = 1; i <= 8; ++i) {
        ini.Set(folder + "Quillares.ini", "tones", "tone" + std::to_string(i), "stale");
        ini.Set(folder + "Quillares.ini", "tones", "file" + std::to_string(i), "stale");
    }
    std::vector<std::string> shown;
    const int savesBefore = files.replacements;

    app->catalogue.SearchAllTones([&](const std::string& p) { shown.push_back(p); });

    EXPECT_THAT(Entries(), ElementsAre("Bells at noon|" + folder + "tones\\b.quilar",
                                       "Own Song|" + folder + "tones\\song.mp3", "bare|" + folder + "tones\\bare.OGG",
                                       "My Tone|C:\\Users\\me\\My Skype Content\\ring.skype",
                                       "Rec_bob|" + folder + "wav\\Rec_bob.wav",
                                       "Recording of bob|" + folder + "wav\\rec_bob.wav"));
    EXPECT_EQ(Tones("tone7"), "stale");
    EXPECT_EQ(Tones("file8"), "stale");
    EXPECT_THAT(shown, ElementsAre("*.quilar", "*.mp3", "*.ogg", "*.skype", "*.wav"));
    const auto lines = LogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Quillares: search completed"), 5);
    EXPECT_TRUE(Logged("Quillares: invalid file: " + folder + "tones\\bad.quilar"));
    // Once per file found, and once before Skype's folder.
    EXPECT_EQ(ui.doEvents, 5 + 2 + 1 + 2 + 1);
    EXPECT_EQ(files.replacements - savesBefore, 1);
}

TEST_F(ToneCatalogueTest, SkypesContentFolderComesFromThePictureFolderSetting) {
    struct Case {
        std::optional<std::string> setting;
        std::string searched;  // "" when Skype's folder is not searched
    };
    const std::vector<Case> cases = {
        {"C:\\Users\\me\\My Skype Pictures", "C:\\Users\\me\\My Skype Content\\"},
        {"D:\\a b\\c d", "D:\\a b\\c Content\\"},
        {"C:\\Pictures", folder + "Content\\"},  // no blank: relative, so the program's folder
        {"\\\\server\\My Pictures", "\\\\server\\My Content\\"},
        {"C:\\My Pictures\0C:\\Other Pictures"s, "C:\\My Content\\"},
        {"", ""},
        {std::nullopt, ""},
    };
    Start();
    for (const auto& c : cases) {
        files.files[c.searched + "t.skype"] = MakeSkypeFile("h" + kNul + kNul + "T" + kNul, MakeWave(64));
        registry.values.clear();
        if (c.setting) PicturesAt(*c.setting);
        app->catalogue.SearchAllTones([](const std::string&) {});
        EXPECT_THAT(Entries(), ElementsAreArray(c.searched.empty() ? std::vector<std::string>{}
                                                                   : std::vector<std::string>{"T|" + c.searched + "t.skype"}))
            << c.setting.value_or("(not set)");
        files.files.erase(c.searched + "t.skype");
    }
    EXPECT_EQ(SkypeContentFolder("Pictures"), "Content\\");
    PicturesAt(std::string(263, 'x'));  // longer than Skype's buffer: unreadable
    EXPECT_EQ(app->catalogue.ReadSkypePicturesPath(), "");
}

// Find's buttons afterwards are OptionsCommandsTest's table; the list it fills, tests/e2e/test_catalogue.py's.
TEST_F(ToneCatalogueTest, FindKeepsItsButtonsOffWhileSearchingAndEnablesApplyOnlyWhenSomethingWasFound) {
    Start();
    Container("b.quilar", "Bells");
    std::set<int> enabledDuringSearch;
    ui.whileModal = [&](ui::Dialog&) { ADD_FAILURE() << "the search window must close itself"; };
    ui.onDoEvents = [&] {
        for (int num : {2, 3, 4})
            if (app->window.ButtonState(CommandOf(num)) != 3) enabledDuringSearch.insert(num);
    };
    for (const bool found : {true, false}) {
        if (!found) files.files.erase(folder + "tones\\b.quilar");
        app->window.Disable({Command::Apply});
        app->commands.RunCommand(Command::Find);
        EXPECT_TRUE(enabledDuringSearch.empty()) << found;
        EXPECT_EQ(app->window.ButtonState(Command::Apply) != 3, found);
    }
}

TEST_F(ToneCatalogueTest, TheListShowsStoredEntriesWhoseFilesExist) {
    Start();
    files.files[folder + "tones\\x.quilar"] = "QUILLARE";
    files.files[folder + "wav\\y.wav"] = "RIFF";
    const std::vector<std::pair<std::string, std::string>> stored = {
        {"Named", folder + "tones\\x.quilar"},
        {"  ", "  " + folder + "wav\\y.wav "},  // no title: the file's name
        {"Gone", folder + "wav\\gone.wav"},
        {"Empty", ""},
    };
    for (std::size_t i = 0; i < stored.size(); ++i) {
        ini.Set(folder + app->shared.IniName, "tones", "tone" + std::to_string(i + 1), stored[i].first);
        ini.Set(folder + app->shared.IniName, "tones", "file" + std::to_string(i + 1), stored[i].second);
    }
    ini.Set(folder + app->shared.IniName, "tones", "number", "4");
    app->toneList.FillToneList();
    EXPECT_THAT(app->window.toneTitles.Items(), ElementsAre("Named", "y.wav"));
    EXPECT_THAT(app->window.toneFiles.Items(), ElementsAre(folder + "tones\\x.quilar", folder + "wav\\y.wav"));
    EXPECT_TRUE(Logged("Quillares: 4 tones available"));
    Container("quiet.quilar", "");  // names nothing, yet the user chose it: listed by its name
    EXPECT_TRUE(app->catalogue.AddTone(folder + "tones\\", "quiet.quilar"));
    EXPECT_EQ(Entries().back(), "quiet|" + folder + "tones\\quiet.quilar");
}

}  // namespace
}  // namespace quill::test
