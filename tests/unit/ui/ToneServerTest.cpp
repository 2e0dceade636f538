// Asking the tone server: the check at sign-in, and a spoken tone fetched in the progress window.
#include "core/ui/ProgressWindow.h"
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
    InfoLines(
        {"2.2", "yes", "n", "file:///C:/x?", "-", "0", "http://h/", "cmd.exe /c calc", "-", "javascript:alert(1)"});
    app->serverCheck.SynthUrl = "http://kept/?Item=";
    EXPECT_TRUE(app->serverCheck.ReadServerDB().EndsProgram());
    EXPECT_EQ(app->serverCheck.SynthUrl, "http://kept/?Item=");
    EXPECT_EQ(Get("web", "window"), "http://h/");
    EXPECT_EQ(Get("webupdate", "window"), "<missing>");
    EXPECT_EQ(Get("webguide", "window"), "<missing>");
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(Logged("Quillares: ignored server address for webupdate: cmd.exe /c calc"));
}

struct ProgressWindowTest : ServerFixture {
    std::string label;
    bool stillUp = false;
    ui::Dialog* current = nullptr;

    void SetUp() override {
        ServerFixture::SetUp();
        Info();
        app->serverCheck.ReadServerDB();
        ui.whileModal = [this](ui::Dialog& d) {
            auto& w = static_cast<ui::ProgressWindow&>(d);
            w.tickTimer.OnTick();
            w.tickTimer.OnTick();  // later ticks do nothing
            label = w.heading.Caption();
            stillUp = w.Loaded();
        };
    }
    bool Run(const std::string& body, std::string name = "t.quilar") {
        net.answers[speech] = {body};
        return app->synthesis.RunProgressWindow(false, "", name).Ok();
    }
    int Speeches() const {
        int n = 0;
        for (auto& a : net.opened) n += a.rfind(speech, 0) == 0;
        return n;
    }
};

TEST_F(ProgressWindowTest, MoreThan1000BytesIsAToneLessIsTheServersErrorText) {
    const std::string opening = "Error opening file: The attempt to connect to the server failed.";
    const struct {
        FakeInternet::Answer answer;
        bool done;
        std::string label, logged;
    } cases[] = {
        {{std::string(1001, 'w')}, true, "Ready.", "Quillares: end of synthesis"},
        {{std::string(1000, 'e')}, false, "ERROR: " + std::string(1000, 'e'), std::string(1000, 'e')},
        {{""}, false, "ERROR: Server connection failed.", "Server connection failed."},
        {{"", 12029}, false, "ERROR: " + opening, opening},
    };
    for (const auto& c : cases) {
        std::string name = "t.quilar";
        net.answers[speech] = c.answer;
        EXPECT_EQ(app->synthesis.RunProgressWindow(false, "", name).Ok(), c.done) << c.label;
        EXPECT_EQ(name, folder + "tones\\t.quilar");
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(stillUp, !c.done) << "an error waits for OK";
        EXPECT_TRUE(Logged(c.logged)) << c.logged;
    }
    EXPECT_EQ(Speeches(), 4);
}

TEST_F(ProgressWindowTest, CancelDuringTheDownloadStopsItAndLowersTheResult) {
    net.awaits = 0;
    net.onAwait = [this] {  // once the first block has arrived
        if (auto* d = dynamic_cast<ui::ProgressWindow*>(current); d && net.awaits == 4) d->Click(d->cancel);
    };
    ui.whileModal = [this](ui::Dialog& d) {
        current = &d;
        static_cast<ui::ProgressWindow&>(d).tickTimer.OnTick();
        current = nullptr;
    };
    EXPECT_FALSE(Run(std::string(9000, 'w')));
    EXPECT_TRUE(Logged("Operation has been cancelled."));
    EXPECT_EQ(files.files[folder + "tones\\t.quilar"].size(), 2048u);
}

TEST_F(ProgressWindowTest, TitleAndLabelNameWhatIsMade) {
    ui.whileModal = [this](ui::Dialog& d) {
        label = d.form.Caption() + " | " + static_cast<ui::ProgressWindow&>(d).heading.Caption();
    };
    std::string name = "t.quilar";
    app->synthesis.RunProgressWindow(true, "Anna", name);
    EXPECT_EQ(label, "Applying | Applying: Anna");
    app->synthesis.RunProgressWindow(false, "", name = "t.quilar");
    EXPECT_EQ(label, "Downloading | Downloading...");
    EXPECT_EQ(Speeches(), 0) << "closed before the first tick";
}

TEST_F(ProgressWindowTest, ContactIsReplacedOnceEvenByANameThatHoldsIt) {
    Contacts({{"anna", "Anna"}, {"x", "CONTACT Bob"}});
    app->window.synthesisText.SetText("CONTACT & CONTACT");
    app->synthesis.MakeSynText(1);
    EXPECT_EQ(app->synthesis.SynthText, "CONTACT Bob & CONTACT Bob");
}

// A playable tone generated is the end-to-end tests' business.
TEST_F(ProgressWindowTest, AnAnswerThatIsNoWaveIsThrownAwayLikeAFailedOne) {
    app->window.synthesisText.SetText("Hello");
    net.answers[speech] = {std::string(1200, 'x')};
    app->commands.RunCommand(Command::Synthesize);
    EXPECT_EQ(app->shared.SynthFile, "");
    EXPECT_FALSE(files.Exists(folder + "tones\\tmp.quilar"));
    EXPECT_EQ(State(8), E);
}

}  // namespace
}  // namespace quill::test
