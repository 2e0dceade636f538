#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ServerCheckTest = ServerFixture;

TEST_F(ServerCheckTest, FirstReadFillsTheVoicesAndLinksLaterOnesKeepTheChosenVoice) {
    Info();
    auto& s = app->serverCheck;
    EXPECT_FALSE(s.ReadServerDB().EndsProgram());
    EXPECT_EQ(app->window.voices.Items(), (std::vector<std::string>{"Anna (US)", "Bert (DE)"}));
    EXPECT_EQ(s.VoiceIds, (std::vector<std::string>{"en-us16", "de8"}));
    EXPECT_EQ(app->window.voices.ListIndex(), 0);
    EXPECT_EQ(s.SynthUrl, speech);
    EXPECT_EQ(Get("webupdate", "window") + " " + Get("webguide", "window") + " " + Get("skypetones", "window"),
              "http://h/update http://h/guide http://h/ringtones");
    EXPECT_TRUE(Logged("Quillares: server request OK note"));
    EXPECT_FALSE(s.ServerBusy);

    app->window.voices.SetListIndex(1);
    InfoLines({"2.1", "no", "n", "http://other/speech?Item=", "-", "1", "Carla", "it16"});
    EXPECT_FALSE(s.ReadServerDB().EndsProgram());
    EXPECT_EQ(app->window.voices.ListCount(), 2);
    EXPECT_EQ(app->window.voices.ListIndex(), 1);
    EXPECT_EQ(s.SynthUrl, "http://other/speech?Item=");
    // The file had no link lines: the pages stay as they were.
    EXPECT_EQ(Get("webguide", "window"), "http://h/guide");
}

TEST_F(ServerCheckTest, NewerVersionsAskOrDemandTheUpdateAndNoVersionEndsTheProgram) {
    const struct {
        std::string version, required;
        bool answerYes;
        std::string message;  // "" for none
        bool opened, closes;
    } cases[] = {
        {"2.2", "YES", false, "Warn AudioQuillares: Update now.", true, true},
        {"2.2", "no", true, "Ask AudioQuillares: Update?", true, false},
        {"3", "", false, "Ask AudioQuillares: Update?", false, false},
        {"2.1", "yes", true, "", false, false},
        {"2.01", "yes", true, "", false, false},  // older than 2.1
        {"", "no", true, "Warn AudioQuillares: No server.", false, true},
    };
    for (const auto& c : cases) {
        Info(c.version, c.required);
        ui.calls.clear();
        shell.opened.clear();
        ui.answerYes = c.answerYes;
        EXPECT_EQ(app->serverCheck.ReadServerDB().EndsProgram(), c.closes) << c.version;
        EXPECT_EQ(ui.calls.empty() ? "" : ui.calls.back(), c.message) << c.version;
        EXPECT_EQ(shell.opened, c.opened ? std::vector<std::string>{"Open|http://h/update||"}
                                         : std::vector<std::string>{})
            << c.version;
    }
    EXPECT_TRUE(Logged("Quillares: server request failed"));
}

TEST_F(ServerCheckTest, NoAnswerChangesNothingAndTheNextCheckAsksAgain) {
    auto& s = app->serverCheck;
    EXPECT_FALSE(s.ReadServerDB().EndsProgram());
    EXPECT_TRUE(Logged("Quillares: server request failed: Error opening file: "
                       "The attempt to connect to the server failed."));
    Info();
    EXPECT_FALSE(s.ReadServerDB().EndsProgram());
    EXPECT_EQ(net.opened.size(), 2u);
    EXPECT_EQ(app->window.voices.ListCount(), 2);

    s.ServerBusy = true;
    EXPECT_FALSE(s.ReadServerDB().EndsProgram());
    EXPECT_EQ(net.opened.size(), 2u);
}

TEST_F(ServerCheckTest, AddressesOtherThanWebPagesAreLoggedAndIgnored) {
    InfoLines({"2.2", "yes", "n", "file:///C:/x?", "-", "0", "http://h/", "cmd.exe /c calc", "-", "javascript:alert(1)"});
    app->serverCheck.SynthUrl = "http://kept/?Item=";
    EXPECT_TRUE(app->serverCheck.ReadServerDB().EndsProgram());
    EXPECT_EQ(app->serverCheck.SynthUrl, "http://kept/?Item=");
    EXPECT_EQ(Get("web", "window"), "http://h/");
    EXPECT_EQ(Get("webupdate", "window"), "<missing>");
    EXPECT_EQ(Get("webguide", "window"), "<missing>");
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(Logged("Quillares: ignored server address for webupdate: cmd.exe /c calc"));
}

TEST_F(ServerCheckTest, AnUpdateDemandedAtSignInEndsTheProgramFromTheMainLoop) {
    Info("2.2", "yes");
    Notify("CURRENTUSERHANDLE anna");
    Notify("CURRENTUSERHANDLE anna");
    EXPECT_TRUE(net.opened.empty()) << "nothing waits inside Skype's message";
    Drain();
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(net.opened.size(), 1u);
}

}  // namespace
}  // namespace quill::test
