#include <gmock/gmock.h>

#include "fakes/ProgramHarness.h"

namespace quill::test {

using ::testing::ElementsAre;

// Notifications as Skype sends them, and what the program asks, queues and plays.
struct DispatcherTest : ::testing::Test, ProgramHarness {
    void SetUp() override {
        for (const char* tone : {"default", "anna", "empty", "fin", "msg", "away"})
            files.files[folder + "wav\\" + tone + ".wav"] = "RIFF";
        ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
        Attached();
    }
    void Told(const std::string& text) {
        Notify(text);
        Drain();
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        ini.Set(folder + app->shared.IniName, section, key, value);
    }
    std::vector<std::string> Sent(const std::string& prefix) const { return Starting(wire.Commands(), prefix); }
    void Ring(const std::string& caller) {
        Told("CALL 7 STATUS RINGING");
        Told("CALL 7 TYPE INCOMING_P2P");
        Told("CALL 7 PARTNER_HANDLE " + caller);
    }
};

TEST_F(DispatcherTest, ARingingCallAsksItsTypeThenItsCallerThenRingsTheCallersTone) {
    Told("USERS anna, bob");
    Set("contacts", "anna_file", "wav\\anna.wav");
    wire.sent.clear();
    Ring("anna");
    EXPECT_THAT(Sent("GET CALL"), ElementsAre("GET CALL 7 TYPE", "GET CALL 7 PARTNER_HANDLE"));
    EXPECT_TRUE(Logged("Quillares: Call from anna"));
    EXPECT_FALSE(Logged("Quillares: ERROR processing Skype message"));
    EXPECT_THAT(Opened(), ElementsAre(Open(folder + "wav\\anna.wav")));
}

// Skype repeats RINGING, and sends ROUTING and EARLYMEDIA before the call is answered.
TEST_F(DispatcherTest, TheRingGoesOnThroughRepeatsAndEarlyStatusesUntilAnotherStatusOrCaller) {
    Told("USERS anna");
    Set("contacts", "anna_file", "wav\\anna.wav");
    Ring("anna");
    EndNotice();  // the pause plays now
    mci.commands.clear();
    Ring("anna");
    EXPECT_TRUE(mci.commands.empty());
    for (const auto& [notice, stops] : {std::pair{"STATUS ROUTING", false}, {"STATUS EARLYMEDIA", false},
                                        {"STATUS INPROGRESS", true}, {"VIDEO_STATUS VIDEO_BOTH_ENABLED", true}}) {
        Ring("anna");
        mci.commands.clear();
        Told(std::string("CALL 7 ") + notice);
        EXPECT_EQ(mci.Texts(), stops ? std::vector<std::string>{"close all"} : std::vector<std::string>{}) << notice;
        EXPECT_EQ(app->player.RingLoop(), !stops) << notice;
    }
    // Another caller's call does take over; a stranger rings the unknown tone or else the default.
    Ring("anna");
    mci.commands.clear();
    Ring("mallory");
    EXPECT_THAT(Opened(), ElementsAre(Open(folder + "wav\\default.wav")));
    EXPECT_EQ(app->dispatcher.CallerHandle, "unknown");
    Set("contacts", "unknown_file", "C:\\Tones\\stranger.wav");
    files.files["C:\\Tones\\stranger.wav"] = "RIFF";
    Ring("mallory");
    EXPECT_EQ(Opened().back(), Open("C:\\Tones\\stranger.wav"));
}

// Which tone an event plays: the switches (read as the events dialog reads them), do-not-disturb
// and offline, and paths with blanks around them.
TEST_F(DispatcherTest, EventTonesFollowTheirSwitchesAndTheOwnStatus) {
    Told("USERS anna");
    Set("contacts", "anna_file", " wav\\anna.wav ");
    Set("wav", "user_msg", "wav\\msg.wav");
    Set("wav", "user_finished", "wav\\fin.wav");
    Set("wav", "user_away", " wav\\away.wav ");
    Set("wav", "user_dnd", "wav\\away.wav");
    const std::vector<std::string> ring = {"CALL 7 STATUS RINGING", "CALL 7 TYPE INCOMING_P2P",
                                           "CALL 7 PARTNER_HANDLE anna"};
    const std::vector<std::string> chat = {"CHATMESSAGE 5 STATUS RECEIVED", "MESSAGE 5 PARTNER_HANDLE anna"};
    struct Row {
        const char* status;
        const char* key;
        const char* value;
        std::vector<std::string> notices;
        const char* heard;  // nullptr: silence
    } rows[] = {
        {"ONLINE", "user_msg_play", "1", chat, "wav\\msg.wav"},
        {"DND", "user_msg_play", "1", chat, nullptr},
        {"ONLINE", "user_finished_play", "1", {"CALL 9 STATUS FINISHED"}, "wav\\fin.wav"},
        {"OFFLINE", "user_finished_play", "1", {"CALL 9 STATUS FINISHED"}, nullptr},
        {"ONLINE", "user_away_play", "1", {"USERSTATUS AWAY"}, "wav\\away.wav"},
        {"ONLINE", "user_away_play", "0", {"USERSTATUS AWAY"}, nullptr},
        // The status tones are not silenced by do-not-disturb; only their switch counts.
        {"ONLINE", "user_dnd_play", "1", {"USERSTATUS DND"}, "wav\\away.wav"},
        {"ONLINE", "", "", ring, "wav\\anna.wav"},
        {"ONLINE", "", "", {"CALL 8 STATUS RINGING", "CALL 8 TYPE OUTGOING_PSTN"}, nullptr},
        {"DND", "", "", ring, nullptr},
        {"OFFLINE", "", "", ring, nullptr},
    };
    for (const auto& row : rows) {
        for (const char* key : {"user_msg_play", "user_finished_play", "user_away_play", "user_dnd_play"})
            Set("wav", key, key == std::string(row.key) ? row.value : "0");
        Told(std::string("USERSTATUS ") + row.status);
        mci.commands.clear();
        for (const auto& n : row.notices) Notify(n);
        Drain();
        std::vector<std::string> expected;
        if (row.heard) expected.push_back(Open(folder + row.heard));
        EXPECT_EQ(Opened(), expected) << row.status << " " << row.key << "=" << row.value << " " << row.notices[0];
        Told("CALL 7 STATUS FINISHED");
    }
    EXPECT_FALSE(app->player.RingLoop());
}

TEST_F(DispatcherTest, TheOwnHandleSwitchesSettingsLinksAndListsContacts) {
    Notify("CURRENTUSERHANDLE  anna.k ");
    EXPECT_TRUE(Logged("user=anna.k"));
    EXPECT_EQ(app->shared.IniName, "anna.k.ini");
    EXPECT_EQ(ini.Get(folder + "anna.k.ini", "window", "id"), "anna.k");
    // ...and in the main file, which the next start reads it from.
    EXPECT_EQ(ini.Get(folder + "Quillares.ini", "window", "id"), "anna.k");
    EXPECT_TRUE(app->link.Linked());
    EXPECT_FALSE(app->window.warningPanel.Visible());
    Drain();
    EXPECT_THAT(wire.Commands(), ElementsAre("SEARCH FRIENDS"));
}

TEST_F(DispatcherTest, NamesAreAskedManyAtATimeAndLineUpWithTheirHandlesInAnyOrder) {
    std::string users = "USERS";
    for (int i = 0; i < 200; ++i) users += (i ? ", c" : " c") + std::to_string(i);
    Told(users);
    // The handles stand in at once; no more questions are out than the bound.
    EXPECT_EQ(app->window.contactNames.Items(), app->window.contactHandles.Items());
    ASSERT_EQ(Sent("GET USER ").size(), 128u);
    wire.sent.clear();
    Notify("USER c5 FULLNAME Carl Five");
    Notify("USER c0 FULLNAME ");
    Ticks(1);
    EXPECT_THAT(Sent("GET USER "), ElementsAre("GET USER c128 FULLNAME", "GET USER c129 FULLNAME"));
    EXPECT_EQ(app->window.contactNames.Item(5), "Carl Five");
    EXPECT_EQ(app->window.contactNames.Item(0), "c0");
    // A question never answered gives up its place in time.
    wire.sent.clear();
    Ticks(100);
    EXPECT_EQ(Sent("GET USER ").size(), 70u);
    Ticks(100);
    EXPECT_TRUE(Logged("Quillares: no name came for 198 contacts; their handles stand in"));
    Notify("USER c7 FULLNAME MESSAGE Board");  // late, and still a name
    EXPECT_EQ(app->window.contactNames.Item(7), "MESSAGE Board");

    Notify("USERS ");
    EXPECT_EQ(app->window.contactHandles.ListCount(), 0);
    EXPECT_EQ(app->window.contactNames.ListCount(), 0);
}

TEST_F(DispatcherTest, TheContactTheUserChoseStaysChosenWhileNamesArriveAndListsRefill) {
    Set("contacts", "bob_play", "2");
    Told("USERS anna, bob, carl");
    auto& w = app->window;
    w.contactNames.SetListIndex(2);  // the user picks carl and prepares a catalogue tone
    w.SelectKind(1);
    Told("USER anna FULLNAME Anna");
    Told("USER carl FULLNAME Carl");
    EXPECT_EQ(w.contactName.Caption(), "Carl");
    // The window shown again: the same contacts, then others around carl.
    for (const char* users : {"USERS anna, bob, carl", "USERS dora, carl, anna"}) {
        Told(users);
        EXPECT_EQ(w.contactHandles.Item(w.contactNames.ListIndex()), "carl") << users;
        EXPECT_TRUE(w.kindOptions[1].Value() && w.kindPanels[1].Visible()) << users;
    }
    EXPECT_THAT(w.contactNames.Items(), ElementsAre("dora", "Carl", "Anna"));
    // carl gone: the first contact is shown, with its own kind.
    Told("USERS bob, anna");
    EXPECT_EQ(w.contactNames.ListIndex(), 0);
    EXPECT_EQ(w.contactHandle.Caption(), "bob");
    EXPECT_TRUE(w.kindOptions[2].Value());
}

// Bad input from Skype is logged and changes nothing.
TEST_F(DispatcherTest, NotificationsWithoutAValueAreErrorsAndChangeNothing) {
    Told("USERS anna, bob");
    Told("CURRENTUSERHANDLE me");
    Told("CALL 3 PARTNER_HANDLE anna");
    const auto lists = app->window.contactHandles.Items();
    for (const char* text : {"CURRENTUSERHANDLE", "CURRENTUSERHANDLE  ", "CALL 7", "CALL 7 ", "CALL", "USER",
                             "CALL 7 PARTNER_HANDLE ", "CHATMESSAGE 5"}) {
        const std::size_t before = LogLines().size();
        Notify(text);
        EXPECT_EQ(LogLines().size(), before + 2) << text;
        EXPECT_EQ(LogLines().back(), "Quillares: ERROR processing Skype message") << text;
    }
    EXPECT_EQ(app->shared.IniName, "me.ini");
    EXPECT_EQ(app->dispatcher.CallerHandle, "anna");
    EXPECT_EQ(app->window.contactHandles.Items(), lists);
    EXPECT_TRUE(app->queue.Empty());
}

}  // namespace quill::test
