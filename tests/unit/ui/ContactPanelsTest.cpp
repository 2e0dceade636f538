#include "tones/ToneTestBytes.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

struct ContactPanelsTest : OptionsFixture {
    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith();
        Contacts({{"anna", "Anna"}, {"bob", "Bob"}});
    }
    void Select(int row) { app->window.contactNames.SetListIndex(row); }
    int ShownPanel() const {
        for (int k = 0; k < 4; ++k)
            if (app->window.kindPanels[k].Visible()) return k;
        return -1;
    }
};

TEST_F(ContactPanelsTest, SelectingAContactShowsItsKindPanelAndButtons) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> keys;  // of bob
        std::vector<const char*> catalogue;
        std::vector<std::string> filesPresent;
        bool warning;
        int panel;
        std::map<int, int> states;
    };
    const std::string rec = folder + "wav\\rec_bob.wav";
    const std::vector<Case> cases = {
        {"no keys", {}, {}, {}, false, 0, {{1, E}, {11, E}}},
        {"no keys, not logged on", {}, {}, {}, true, 0, {{1, E}, {11, D}}},
        {"empty catalogue", {{"bob_play", "1"}}, {}, {}, false, 1, {{2, E}, {3, E}, {4, D}, {11, D}}},
        {"own recording found", {{"bob_play", "2"}}, {}, {rec}, false, 2, {{5, E}, {6, D}, {7, E}, {11, E}}},
        {"no recording", {{"bob_play", "2"}}, {}, {}, false, 2, {{5, D}, {11, D}}},
        {"stored recording, not logged on", {{"bob_play", "2"}, {"bob_file", "C:\\r.wav"}}, {}, {}, true, 2,
         {{5, E}, {11, E}}},
        {"container gone", {{"bob_play", "3"}, {"bob_file", "tones\\gone.quilar"}}, {}, {}, false, 3,
         {{8, E}, {9, D}, {10, D}, {11, D}}},
    };
    for (const auto& c : cases) {
        files.files = {{folder + "Quillares.ini", "[window]\r\n"}};
        Make();
        SetUp();
        for (auto& [k, v] : c.keys) Set(k, v);
        Catalogue(std::initializer_list<const char*>{});
        for (auto& f : c.filesPresent) files.files[f] = "RIFF";
        app->link.SetState(c.warning ? SkypeLink::State::Lost : SkypeLink::State::Linked);
        Select(1);
        EXPECT_EQ(app->window.contactHandle.Caption(), "bob") << c.name;
        EXPECT_EQ(ShownPanel(), c.panel) << c.name;
        EXPECT_EQ(States(c.states), c.states) << c.name;
    }
    EXPECT_EQ(app->shared.SynthFile, folder + "tones\\gone.quilar");
    EXPECT_EQ(app->window.synthesisText.Text(), "");
}

TEST_F(ContactPanelsTest, TheContactsCatalogueToneIsReselectedOrTheFirstStays) {
    Catalogue({"a.wav", "b.wav"});
    Set("bob_play", "1");
    Set("anna_play", "1");
    Set("bob_file", folder + "tones\\b.wav");
    Set("anna_file", folder + "tones\\gone.wav");
    Select(1);
    EXPECT_EQ(app->window.toneTitles.ListIndex(), 1);
    Select(0);
    EXPECT_EQ(app->window.toneTitles.ListIndex(), 0);
    // The same kind again: the catalogue is read anew.
    files.files.erase(folder + "tones\\a.wav");
    Select(1);
    EXPECT_EQ(app->window.toneTitles.Items(), std::vector<std::string>{"b.wav"});
    EXPECT_EQ(app->window.toneTitles.ListIndex(), 0);
}

TEST_F(ContactPanelsTest, AContainerShowsItsTextAndAnUnknownKindOnlyChangesTheLabels) {
    files.files[folder + "tones\\bob.quilar"] = MakeContainer("", "Hello Bob", MakeWave(44));
    Set("bob_play", "3");
    Set("bob_file", "tones\\bob.quilar");
    Set("anna_play", "7");
    Select(1);
    EXPECT_EQ(app->window.synthesisText.Text(), "Hello Bob");
    EXPECT_EQ(State(9), E);
    Select(0);
    EXPECT_EQ(app->window.contactName.Caption(), "Anna");
    EXPECT_EQ(ShownPanel(), 3);
    EXPECT_TRUE(app->window.kindOptions[3].Value());
}

}  // namespace
}  // namespace quill::test
