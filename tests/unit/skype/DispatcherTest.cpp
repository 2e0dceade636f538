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
    EXPECT_TRUE(app->queue.Holds(">GET CALL 7 TYPE"));
    Drain();
    Notify("CALL 7 TYPE INCOMING_P2P");
    EXPECT_TRUE(app->queue.Holds(">GET CALL 7 PARTNER_HANDLE"));
    Drain();
    Notify("CALL 7 PARTNER_HANDLE anna");
    EXPECT_EQ(LogLines().back(), "Quillares: Call from anna");
    EXPECT_TRUE(app->queue.Holds("<RINGING"));
    Drain();

    EXPECT_THAT(Sent("GET CALL"), ElementsAre("GET CALL 7 TYPE", "GET CALL 7 PARTNER_HANDLE"));
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\anna.wav")));
    EXPECT_TRUE(app->player.RingLoop);
    EXPECT_EQ(app->dispatcher.CallId, "7");
}

TEST_F(DispatcherTest, RepeatedRingingKeepsTheRingGoingWithoutStartingOver) {
    Contacts("USERS anna");
    Set("contacts", "anna_file", "wav\\anna.wav");
    Ring("anna");
    EndNotice();  // the pause plays now
    mci.commands.clear();
    Ring("anna");
    EXPECT_TRUE(mci.commands.empty());
    EXPECT_TRUE(app->player.RingLoop);
    // Another caller's call does take over.
    Contacts("USERS anna, bob");
    Ring("bob");
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\default.wav")));
}

TEST_F(DispatcherTest, OutgoingCallsRingNothing) {
    Notify("CALL 8 STATUS RINGING");
    Drain();
    Notify("CALL 8 TYPE OUTGOING_PSTN");
    EXPECT_TRUE(app->queue.Empty());
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
    EXPECT_TRUE(app->player.RingLoop);
    Notify("CALL 7 STATUS INPROGRESS");
    Drain();
    EXPECT_THAT(mci.Texts(), ElementsAre("close all"));
    EXPECT_FALSE(app->player.RingLoop);

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

TEST_F(DispatcherTest, DoNotDisturbSilencesCallsMessagesAndTheFinishedTone) {
    Contacts("USERS anna");
    Set("wav", "user_msg", "wav\\msg.wav");
    Set("wav", "user_msg_play", "1");
    Set("wav", "user_finished", "wav\\fin.wav");
    Set("wav", "user_finished_play", "1");
    for (const char* status : {"DND", "OFFLINE"}) {
        Notify(std::string("USERSTATUS ") + status);
        Drain();
        Ring("anna");
        Notify("CHATMESSAGE 5 STATUS RECEIVED");
        Drain();
        Notify("MESSAGE 5 PARTNER_HANDLE anna");
        Notify("CALL 7 STATUS FINISHED");
        Drain();
        EXPECT_TRUE(Opened().empty()) << status;
    }
    Notify("USERSTATUS ONLINE");
    Drain();
    Ring("anna");
    EXPECT_EQ(Opened().size(), 1u);
}

TEST_F(DispatcherTest, AChatMessageAsksItsSenderThenAnnounces) {
    Set("wav", "user_msg", "wav\\msg.wav");
    Set("wav", "user_msg_play", "1");
    Notify("CHATMESSAGE 5 STATUS RECEIVED");
    Drain();
    EXPECT_THAT(wire.Commands(), ElementsAre("GET MESSAGE 5 PARTNER_HANDLE"));
    Notify("MESSAGE 5 PARTNER_HANDLE anna");
    Drain();
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\msg.wav")));
    EXPECT_FALSE(app->player.RingLoop);
    EXPECT_EQ(app->dispatcher.MessageId, "5");

    Set("wav", "user_msg_play", "yes");  // the switch is read as a number
    Notify("MESSAGE 6 PARTNER_HANDLE anna");
    Drain();
    EXPECT_EQ(Opened().size(), 1u);
}

TEST_F(DispatcherTest, AFinishedCallStopsThenAnnouncesWhenSwitchedOn) {
    Set("wav", "user_finished", "wav\\fin.wav");
    Set("wav", "user_finished_play", "1");
    Notify("CALL 9 STATUS FINISHED");
    Drain();
    EXPECT_THAT(mci.Texts(), ElementsAre("close all", "open \"" + folder + "wav\\fin.wav\" alias file",
                                         "play file notify"));
    Set("wav", "user_finished_play", "0");
    mci.commands.clear();
    Notify("CALL 9 STATUS FINISHED");
    Drain();
    EXPECT_THAT(mci.Texts(), ElementsAre("close all"));
}

TEST_F(DispatcherTest, OwnStatusTonesFollowTheirSwitches) {
    Set("wav", "user_away", " wav\\away.wav ");
    Set("wav", "user_away_play", "1");
    Notify("USERSTATUS AWAY");
    Drain();
    EXPECT_THAT(Opened(), ElementsAre(Open("wav\\away.wav")));
    Set("wav", "user_away_play", "yes");
    Notify("USERSTATUS AWAY");
    Drain();
    EXPECT_EQ(Opened().size(), 1u);
    // The status tones are not silenced by do-not-disturb; only the switch counts.
    Set("wav", "user_dnd", "wav\\away.wav");
    Set("wav", "user_dnd_play", "1");
    Notify("USERSTATUS DND");
    Drain();
    EXPECT_EQ(Opened().size(), 2u);
    EXPECT_FALSE(app->shared.SoundOn);
}

TEST_F(DispatcherTest, TheOwnHandleSwitchesSettingsHidesTheWarningAndListsContacts) {
    app->window.Frame1.SetVisible(true);
    Notify("CURRENTUSERHANDLE  anna.k ");
    EXPECT_TRUE(Logged("user=anna.k"));
    EXPECT_EQ(app->shared.IniName, "anna.k.ini");
    EXPECT_EQ(ini.Get(folder + "anna.k.ini", "window", "id"), "anna.k");
    EXPECT_EQ(ini.Get(folder + "Quillares.ini", "window", "id"), "<missing>");
    EXPECT_FALSE(app->window.Frame1.Visible());
    Drain();
    EXPECT_THAT(wire.Commands(), ElementsAre("SEARCH FRIENDS"));
}

TEST_F(DispatcherTest, ContactsArriveAsHandlesThenNamesOneAtATime) {
    Notify("USERS anna, bob, carl");
    EXPECT_THAT(app->window.List3.Items(), ElementsAre("anna", "bob", "carl"));
    EXPECT_EQ(app->window.List1.ListCount(), 0);
    Drain();
    EXPECT_EQ(Sent("GET USER ").front(), "GET USER anna FULLNAME");
    wire.sent.clear();
    Notify("USER anna FULLNAME Anna Andersson");
    Drain();
    EXPECT_THAT(Sent("GET USER "), ElementsAre("GET USER bob FULLNAME"));
    // bob has no name: the handle stands in.
    AnswerNames({{"anna", "Anna Andersson"}, {"bob", ""}, {"carl", "Carl"}});
    EXPECT_THAT(app->window.List1.Items(), ElementsAre("Anna Andersson", "bob", "Carl"));
    EXPECT_EQ(app->window.List1.ListIndex(), 0);

    // A name nobody asked for changes nothing; an empty answer empties both lists.
    Notify("USER anna FULLNAME Anna B");
    EXPECT_EQ(app->window.List1.ListCount(), 3);
    Notify("USERS ");
    EXPECT_EQ(app->window.List3.ListCount(), 0);
    EXPECT_EQ(app->window.List1.ListCount(), 0);
}

TEST_F(DispatcherTest, NamesAskedTwiceStillLineUpWithTheirHandles) {
    // Every empty work item asks again while the names are missing; Skype answers each ask.
    Notify("USERS anna, bob, carl, dora");
    Notify("CONNSTATUS ONLINE");
    Notify("USERSTATUS ONLINE");
    Drain();
    ASSERT_GT(Sent("GET USER anna").size(), 1u);
    AnswerNames({{"anna", "Anna"}, {"bob", "Bob"}, {"carl", "Carl"}, {"dora", "Dóra"}});
    EXPECT_THAT(app->window.List1.Items(), ElementsAre("Anna", "Bob", "Carl", "Dóra"));
}

TEST_F(DispatcherTest, ADisplayNameSayingMessageIsStillAName) {
    Notify("USERS anna");
    Drain();
    Notify("USER anna FULLNAME MESSAGE Board");
    EXPECT_THAT(app->window.List1.Items(), ElementsAre("MESSAGE Board"));
}

TEST_F(DispatcherTest, NotificationsWithoutAValueAreErrorsAndChangeNothing) {
    Contacts("USERS anna, bob");
    Notify("CURRENTUSERHANDLE me");
    Drain();
    Notify("CALL 3 PARTNER_HANDLE anna");
    Drain();
    auto lists = app->window.List3.Items();
    for (const char* text : {"CURRENTUSERHANDLE", "CURRENTUSERHANDLE  ", "CALL 7", "CALL 7 ", "CALL", "USER",
                             "CALL 7 PARTNER_HANDLE ", "CHATMESSAGE 5"}) {
        std::size_t before = LogLines().size();
        Notify(text);
        EXPECT_EQ(LogLines().size(), before + 2) << text;
        EXPECT_EQ(LogLines().back(), "Quillares: ERROR processing Skype message") << text;
    }
    EXPECT_EQ(app->shared.UserId, "me");
    EXPECT_EQ(app->shared.IniName, "me.ini");
    EXPECT_EQ(app->dispatcher.CallId, "3");
    EXPECT_EQ(app->dispatcher.CallerHandle, "anna");
    EXPECT_EQ(app->window.List3.Items(), lists);
    EXPECT_TRUE(app->queue.Empty());
}

TEST_F(DispatcherTest, OtherNotificationsWaitInTheQueueAndDoNothing) {
    Notify("CALL 7 DURATION 12");
    Notify("CONNSTATUS ONLINE");
    EXPECT_EQ(app->queue.EventQueue, "\t<CALL DURATION 12\t<CONNSTATUS ONLINE");
    Drain();
    EXPECT_TRUE(mci.commands.empty());
}

}  // namespace quill::test
