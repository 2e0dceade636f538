#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "fakes/ProgramHarness.h"

namespace quill::test {

using ::testing::ElementsAre;

// Notifications as Skype sends them, and what the program asks, queues and plays.
struct DispatcherTest : ::testing::Test, ProgramHarness {
    void SetUp() override {
        files.files[folder + "wav\\default.wav"] = "RIFF default";
        files.files[folder + "wav\\anna.wav"] = "RIFF anna";
        files.files[folder + "wav\\empty.wav"] = "RIFF pause";
        files.files[folder + "wav\\fin.wav"] = "RIFF fin";
        files.files[folder + "wav\\msg.wav"] = "RIFF msg";
        files.files[folder + "wav\\away.wav"] = "RIFF away";
        ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
        Start();
        Ticks(2);
        Attach(0);
        Drain();
        wire.sent.clear();
    }
    void Contacts(const std::string& users) {
        Notify(users);
        Drain();
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        ini.Set(folder + app->shared.IniName, section, key, value);
    }
    // The commands that start with prefix, in order.
    std::vector<std::string> Sent(const std::string& prefix) const {
        std::vector<std::string> r;
        for (auto& c : wire.Commands())
            if (c.rfind(prefix, 0) == 0) r.push_back(c);
        return r;
    }
    // Answers every name asked for since the last call, as Skype would, duplicates included.
    void AnswerNames(const std::map<std::string, std::string>& names) {
        for (std::size_t round = 0; round < 10; ++round) {
            auto asked = Sent("GET USER ");
            wire.sent.clear();
            if (asked.empty()) return;
            for (auto& a : asked) {
                std::string handle = a.substr(9, a.size() - 9 - 9);
                Notify("USER " + handle + " FULLNAME " + names.at(handle));
                Drain();
            }
        }
    }
    // The files the device was asked to open, in order.
    std::vector<std::string> Opened() const {
        std::vector<std::string> r;
        for (auto& c : mci.Texts())
            if (c.rfind("open ", 0) == 0) r.push_back(c);
        return r;
    }
    void EndNotice() { app->WindowProc({0x3B9, 1, 0, {}}); }
    std::string Open(const std::string& relative) const { return "open \"" + folder + relative + "\" alias file"; }
    void Ring(const std::string& caller) {
        Notify("CALL 7 STATUS RINGING");
        Drain();
        Notify("CALL 7 TYPE INCOMING_P2P");
        Drain();
        Notify("CALL 7 PARTNER_HANDLE " + caller);
        Drain();
    }
};

TEST_F(DispatcherTest, ARingingCallAsksItsTypeThenItsCallerThenRingsTheCallersTone) {
    Contacts("USERS anna, bob");
    Set("contacts", "anna_file", "wav\\anna.wav");
    wire.sent.clear();

    Notify("CALL 7 STATUS RINGING");
    EXPECT_EQ(app->queue.EventQueue(), "\t>GET CALL 7 TYPE");
    Drain();
    Notify("CALL 7 TYPE INCOMING_P2P");
    EXPECT_EQ(app->queue.EventQueue(), "\t>GET CALL 7 PARTNER_HANDLE");
    Drain();
    Notify("CALL 7 PARTNER_HANDLE anna");
    EXPECT_EQ(LogLines().back(), "Quillares: Call from anna");
    EXPECT_EQ(app->queue.EventQueue(), "\t<RINGING");
    Drain();

    EXPECT_THAT(Sent("GET CALL"), ElementsAre("GET CALL 7 TYPE", "GET CALL 7 PARTNER_HANDLE"));
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\anna.wav")));
    EXPECT_TRUE(app->player.RingLoop());
}

TEST_F(DispatcherTest, RepeatedRingingKeepsTheRingGoingWithoutStartingOver) {
    Contacts("USERS anna");
    Set("contacts", "anna_file", "wav\\anna.wav");
    Ring("anna");
    EndNotice();  // the pause plays now
    mci.commands.clear();
    Ring("anna");
    EXPECT_TRUE(mci.commands.empty());
    EXPECT_TRUE(app->player.RingLoop());
    // Another caller's call does take over.
    Contacts("USERS anna, bob");
    Ring("bob");
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\default.wav")));
}

TEST_F(DispatcherTest, OutgoingCallsRingNothingAndOtherNotificationsWaitInTheQueueAndDoNothing) {
    Notify("CALL 8 STATUS RINGING");
    Drain();
    Notify("CALL 8 TYPE OUTGOING_PSTN");
    EXPECT_TRUE(app->queue.Empty());
    Notify("CALL 7 DURATION 12");
    Notify("CONNSTATUS ONLINE");
    EXPECT_EQ(app->queue.EventQueue(), "\t<CALL DURATION 12\t<CONNSTATUS ONLINE");
    Drain();
    EXPECT_TRUE(mci.commands.empty());
}

TEST_F(DispatcherTest, AnyLaterStatusButRoutingStopsTheRing) {
    Contacts("USERS anna");
    Ring("anna");
    mci.commands.clear();
    Notify("CALL 7 STATUS ROUTING");
    Notify("CALL 7 STATUS EARLYMEDIA");
    Drain();
    EXPECT_TRUE(mci.commands.empty());
    EXPECT_TRUE(app->player.RingLoop());
    Notify("CALL 7 STATUS INPROGRESS");
    Drain();
    EXPECT_THAT(mci.Texts(), ElementsAre("close all"));
    EXPECT_FALSE(app->player.RingLoop());

    Ring("anna");
    mci.commands.clear();
    Notify("CALL 7 VIDEO_STATUS VIDEO_BOTH_ENABLED");
    Drain();
    EXPECT_THAT(mci.Texts(), ElementsAre("close all"));
}

TEST_F(DispatcherTest, StrangersRingTheUnknownToneOrTheDefault) {
    Contacts("USERS anna");
    Ring("mallory");
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\default.wav")));
    EXPECT_EQ(app->dispatcher.CallerHandle, "unknown");
    Set("contacts", "unknown_file", "C:\\Tones\\stranger.wav");
    files.files["C:\\Tones\\stranger.wav"] = "RIFF";
    Ring("mallory");
    EXPECT_EQ(Opened().back(), "open \"C:\\Tones\\stranger.wav\" alias file");
}

// Which tone an event plays: the switches (read as the events dialog shows them: a box that
// shows checked sounds), do-not-disturb and offline, and
// paths with blanks around them.
TEST_F(DispatcherTest, EventTonesFollowTheirSwitchesAndTheOwnStatus) {
    Contacts("USERS anna");
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
        {"ONLINE", "user_msg_play", "yes", chat, "wav\\msg.wav"},
        {"ONLINE", "user_away_play", " Y ", {"USERSTATUS AWAY"}, "wav\\away.wav"},
        {"ONLINE", "user_finished_play", "true", {"CALL 9 STATUS FINISHED"}, nullptr},
        {"DND", "user_msg_play", "1", chat, nullptr},
        {"ONLINE", "user_finished_play", "1", {"CALL 9 STATUS FINISHED"}, "wav\\fin.wav"},
        {"OFFLINE", "user_finished_play", "1", {"CALL 9 STATUS FINISHED"}, nullptr},
        {"ONLINE", "user_away_play", "1", {"USERSTATUS AWAY"}, "wav\\away.wav"},
        {"ONLINE", "user_away_play", "0", {"USERSTATUS AWAY"}, nullptr},
        // The status tones are not silenced by do-not-disturb; only their switch counts.
        {"ONLINE", "user_dnd_play", "1", {"USERSTATUS DND"}, "wav\\away.wav"},
        {"ONLINE", "", "", ring, "wav\\anna.wav"},
        {"DND", "", "", ring, nullptr},
        {"OFFLINE", "", "", ring, nullptr},
    };
    for (const auto& row : rows) {
        for (const char* key : {"user_msg_play", "user_finished_play", "user_away_play", "user_dnd_play"})
            Set("wav", key, key == std::string(row.key) ? row.value : "0");
        Notify(std::string("USERSTATUS ") + row.status);
        Drain();
        mci.commands.clear();
        for (const auto& n : row.notices) Notify(n);
        Drain();
        std::vector<std::string> expected;
        if (row.heard) expected.push_back(Open(row.heard));
        EXPECT_EQ(Opened(), expected) << row.status << " " << row.key << "=" << row.value << " " << row.notices[0];
        Notify("CALL 7 STATUS FINISHED");
        Drain();
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
    Notify(users);
    Drain();
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
    Notify("USERS anna, bob, carl");
    Drain();
    auto& w = app->window;
    w.contactNames.SetListIndex(2);  // the user picks carl and prepares a catalogue tone
    w.SelectKind(1);
    AnswerNames({{"anna", "Anna"}, {"bob", "Bob"}, {"carl", "Carl"}});
    EXPECT_EQ(w.contactName.Caption(), "Carl");
    // The window shown again: the same contacts, then others around carl.
    for (const char* users : {"USERS anna, bob, carl", "USERS dora, carl, anna"}) {
        Notify(users);
        Drain();
        EXPECT_EQ(w.contactHandles.Item(w.contactNames.ListIndex()), "carl") << users;
        EXPECT_TRUE(w.kindOptions[1].Value() && w.kindPanels[1].Visible()) << users;
    }
    EXPECT_THAT(w.contactNames.Items(), ElementsAre("dora", "Carl", "Anna"));
    // carl gone: the first contact is shown, with its own kind.
    Notify("USERS bob, anna");
    Drain();
    EXPECT_EQ(w.contactNames.ListIndex(), 0);
    EXPECT_EQ(w.contactHandle.Caption(), "bob");
    EXPECT_TRUE(w.kindOptions[2].Value());
}

TEST_F(DispatcherTest, NotificationsWithoutAValueAreErrorsAndChangeNothing) {
    Contacts("USERS anna, bob");
    Notify("CURRENTUSERHANDLE me");
    Drain();
    Notify("CALL 3 PARTNER_HANDLE anna");
    Drain();
    auto lists = app->window.contactHandles.Items();
    for (const char* text : {"CURRENTUSERHANDLE", "CURRENTUSERHANDLE  ", "CALL 7", "CALL 7 ", "CALL", "USER",
                             "CALL 7 PARTNER_HANDLE ", "CHATMESSAGE 5"}) {
        std::size_t before = LogLines().size();
        Notify(text);
        EXPECT_EQ(LogLines().size(), before + 2) << text;
        EXPECT_EQ(LogLines().back(), "Quillares: ERROR processing Skype message") << text;
    }
    EXPECT_EQ(app->shared.UserId, "me");
    EXPECT_EQ(app->shared.IniName, "me.ini");
    EXPECT_EQ(app->dispatcher.CallerHandle, "anna");
    EXPECT_EQ(app->window.contactHandles.Items(), lists);
    EXPECT_TRUE(app->queue.Empty());
}

}  // namespace quill::test
