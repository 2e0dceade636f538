#include <gmock/gmock.h>

#include "core/ui/ApplyDialog.h"
#include "core/tones/ApplyTones.h"
#include "ui/OptionsFixture.h"

namespace quill::test {
namespace {

using ui::ApplyDialog;

struct ApplyTest : OptionsFixture {
    std::vector<unsigned> draws;  // handed out in turn, the last one for ever
    std::size_t drawn = 0;
    std::string failAt;  // whose synthesis answers an error page
    bool refresh = false;  // the contact list is filled anew during a synthesis
    std::vector<std::string> synthesised;

    void SetUp() override {
        OptionsFixture::SetUp();
        StartWith("applytone=Whom for?\r\napply2=Everyone\r\nconfirmapplyall=Really all?\r\n");
        Contacts({{"ann", "Ann"}, {"bob", "Bob"}, {"cy", "Cy"}, {"dee", "Dee"}, {"eve", "Eve"}});
        app->window.contactNames.SetListIndex(1);
    }
    ApplyServices Services() {
        return {app->settings, files, app->shared, app->tones, app->log,
                [this] { return draws.empty() ? 7u : draws[std::min(drawn++, draws.size() - 1)]; },
                [this](const std::string& contact, const std::string& name) -> std::optional<std::string> {
                    synthesised.push_back(contact);
                    if (refresh) app->window.contactNames.Clear(), app->window.contactHandles.Clear();
                    const bool fails = contact == failAt;
                    files.files[folder + "tones\\" + name] = fails ? "<html>" : "RIFF" + std::string(3000, 'w');
                    return "Hello " + contact;
                }};
    }
    void Apply(int kind, int mode) {
        ApplyToneToContacts(Services(), ui::PrepareTone(app->window, app->shared, app->recorder, kind), mode);
    }
    std::string Tones(const std::string& name) { return folder + "tones\\" + name; }
    void Preview() {
        app->shared.SynthFile = Tones("tmp.quilar");
        files.files[app->shared.SynthFile] = "preview";
    }
};

TEST_F(ApplyTest, TheDialogReadsItsTextsCancelsAndAsksBeforeAllContacts) {
    ui.answerYes = false;
    ui.whileAsking = [](ui::Dialog& d) { d.Click(*d.cancelButton), d.CloseBox(); };
    ui.whileModal = [&](ui::Dialog& d) {
        auto& a = dynamic_cast<ApplyDialog&>(d);
        EXPECT_EQ(a.form.Caption(), "Whom for?");
        EXPECT_EQ(a.applyTo[1].Caption(), "Everyone");
        EXPECT_TRUE(a.applyTo[0].Value());
        a.Click(a.applyTo[1]);
        a.Click(a.ok);
        EXPECT_TRUE(a.Loaded()) << "No keeps the dialog open; its Cancel did nothing behind the question";
        EXPECT_TRUE(a.applyTo[1].Value());
        a.Click(a.cancel);
    };
    const std::string before = files.files[folder + app->shared.IniName];
    app->commands.RunCommand(Command::Apply);
    EXPECT_EQ(ui.calls.back(), "Ask Whom for?: Really all?");
    EXPECT_EQ(files.files[folder + app->shared.IniName], before);
    EXPECT_TRUE(Logged("Quillares: apply tone"));

    ui.answerYes = true;
    ui.whileModal = [&](ui::Dialog& d) {
        auto& a = dynamic_cast<ApplyDialog&>(d);
        a.Click(a.applyTo[1]);
        a.Click(a.ok);
    };
    app->commands.RunCommand(Command::Apply);
    for (auto h : {"ann", "eve"}) EXPECT_EQ(Get(std::string(h) + "_play"), "0") << h;
}

TEST_F(ApplyTest, KindsAndModesChooseTheFileAndTheContacts) {
    // Kind 1 with no catalogue row selected gives the default ringtone.
    Apply(1, 0);
    EXPECT_EQ(Get("bob_play"), "1");
    EXPECT_EQ(Get("bob_file"), app->shared.DefaultTone);
    EXPECT_EQ(Get("ann_play"), "<missing>");

    // The first row of either list is a choice too; a row past the end changes nothing.
    auto& w = app->window;
    w.contactNames.SetListIndex(0);
    files.files[folder + "first.wav"] = "RIFF";
    w.toneTitles.AddItem("First"), w.toneFiles.AddItem(folder + "first.wav"), w.toneTitles.SetListIndex(0);
    w.toneTitles.SetListIndex(1);
    Apply(1, 0);
    EXPECT_EQ(Get("ann_file"), folder + "first.wav");

    // Mode 2 takes only those whose kind reads as 0.
    Set("ann_play", "3");
    Set("cy_play", "x");
    app->recorder.SetFile(folder + "wav\\rec_bob.wav");
    const int saves = files.replacements;
    Apply(2, 2);
    EXPECT_EQ(files.replacements, saves + 1) << "one save for the whole run";
    EXPECT_EQ(Get("ann_play"), "3");
    EXPECT_EQ(Get("bob_play"), "1");
    for (auto h : {"cy", "dee", "eve"}) EXPECT_EQ(Get(std::string(h) + "_file"), app->recorder.File()) << h;
}

TEST_F(ApplyTest, ThePreviewMovesToAFreshNameASharedToneIsGivenAsItIsAndAFailedMoveGivesNothing) {
    draws = {42, 42, 43};
    Preview();
    app->window.synthesisText.SetText("Hello you");
    Apply(3, 1);
    EXPECT_FALSE(files.Exists(Tones("tmp.quilar")));
    EXPECT_EQ(app->shared.SynthFile, Tones("bob42.quilar"));
    for (auto h : {"ann", "cy", "eve"}) EXPECT_EQ(Get(std::string(h) + "_file"), Tones("bob42.quilar")) << h;
    EXPECT_TRUE(synthesised.empty());

    app->window.contactNames.SetListIndex(0);  // Ann's panel shows the tone she shares with the others
    Apply(3, 0);
    EXPECT_TRUE(files.Exists(Tones("bob42.quilar")));
    Preview();
    files.locked.insert(Tones("tmp.quilar"));
    Apply(3, 1);
    EXPECT_EQ(Get("dee_file"), Tones("bob42.quilar"));
}

TEST_F(ApplyTest, APersonalToneIsMadePerContactAndAFailureKeepsTheRestAsTheyWere) {
    Preview();
    app->window.synthesisText.SetText("Hello CONTACT");
    Set("cy_file", "old.wav");
    failAt = "Cy";
    refresh = true;
    draws = {1, 2, 3, 4, 5, 6};
    const int saves = files.replacements;
    Apply(3, 1);
    EXPECT_EQ(files.replacements, saves + 1);
    EXPECT_EQ(synthesised, (std::vector<std::string>{"Ann", "Bob", "Cy"}));
    EXPECT_EQ(Get("ann_file"), Tones("ann2.quilar"));
    EXPECT_EQ(app->tones.ReadToneTitle(Tones("ann2.quilar")), "Hello Ann");
    EXPECT_EQ(app->tones.ReadToneTitle(Tones("bob3.quilar")), "Hello Bob");
    EXPECT_EQ(app->shared.SynthFile, Tones("bob3.quilar")) << "the selected contact's own tone is shown";
    EXPECT_FALSE(files.Exists(Tones("cy4.quilar"))) << "the partial file goes";
    EXPECT_EQ(Get("cy_file"), "old.wav");
    EXPECT_EQ(Get("dee_play"), "<missing>");
}

// Every draw names a taken file, in both ranges: the search gives up instead of spinning.
TEST_F(ApplyTest, ExhaustedNamesGiveNone) {
    files.files[Tones("x7.quilar")] = files.files[Tones("x100007.quilar")] = "taken";
    EXPECT_EQ(FreeToneName(files, Tones(""), "x", [] { return 7u; }), std::nullopt);
    EXPECT_EQ(FreeToneName(files, Tones(""), "y", [] { return 7u; }), "y7.quilar");
}

}  // namespace
}  // namespace quill::test
