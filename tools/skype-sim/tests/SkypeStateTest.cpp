#include <gtest/gtest.h>

#include "simcore/ScenarioParser.h"
#include "simcore/SkypeState.h"

namespace skypesim {
namespace {

Scenario Demo() {
    return ParseScenario(
               "me demo.user\n"
               "contact anna Anna Andersson\n"
               "contact bob Bob Brown\n"
               "contact carl\n"
               "contact dora D\xC3\xB3ra D\xC3\xA1vid\n"
               "call 7 INCOMING_P2P anna\n"
               "call 8 OUTGOING_PSTN +3612345\n"
               "message 12 bob\n"
               "chatmessage 13 dora\n")
        .scenario;
}

TEST(SkypeAnswers, DeclaredThingsAnswerAsSkypeWould) {
    const SkypeState state(Demo());
    EXPECT_EQ(state.Reply("PING"), "PONG");
    EXPECT_EQ(state.Reply("GET CURRENTUSERHANDLE"), "CURRENTUSERHANDLE demo.user");
    EXPECT_EQ(state.Reply("SEARCH FRIENDS"), "USERS anna, bob, carl, dora");
    EXPECT_EQ(state.Reply("GET USER anna FULLNAME"), "USER anna FULLNAME Anna Andersson");
    EXPECT_EQ(state.Reply("GET USER carl FULLNAME"), "USER carl FULLNAME ");
    EXPECT_EQ(state.Reply("GET USER dora FULLNAME"), "USER dora FULLNAME D\xC3\xB3ra D\xC3\xA1vid");
    EXPECT_EQ(state.Reply("GET CALL 7 TYPE"), "CALL 7 TYPE INCOMING_P2P");
    EXPECT_EQ(state.Reply("GET CALL 8 PARTNER_HANDLE"), "CALL 8 PARTNER_HANDLE +3612345");
    EXPECT_EQ(state.Reply("GET MESSAGE 12 PARTNER_HANDLE"), "MESSAGE 12 PARTNER_HANDLE bob");
    EXPECT_EQ(state.Reply("GET CHATMESSAGE 13 FROM_HANDLE"), "CHATMESSAGE 13 FROM_HANDLE dora");
    EXPECT_EQ(state.Reply("GET USERSTATUS"), "USERSTATUS ONLINE");
    EXPECT_EQ(state.Reply("GET CONNSTATUS"), "CONNSTATUS ONLINE");
    EXPECT_EQ(state.Reply("PROTOCOL 5"), "PROTOCOL 5");
    EXPECT_EQ(state.Reply("PROTOCOL 99"), "PROTOCOL 8");
}

TEST(SkypeAnswers, NoFriendsIsUsersWithItsSpace) {
    const SkypeState state(ParseScenario("me lonely\n").scenario);
    EXPECT_EQ(state.Reply("SEARCH FRIENDS"), "USERS ");
}

TEST(SkypeAnswers, KeywordsIgnoreCaseAndExtraBlanksButHandlesDoNot) {
    const SkypeState state(Demo());
    EXPECT_EQ(state.Reply("get  user anna  fullname"), "USER anna FULLNAME Anna Andersson");
    EXPECT_EQ(state.Reply("search friends"), "USERS anna, bob, carl, dora");
    EXPECT_EQ(state.Reply("GET USER ANNA FULLNAME"), "ERROR 9 Unknown user");
    EXPECT_EQ(state.Reply("GET CALL 007 TYPE"), "CALL 7 TYPE INCOMING_P2P");
}

TEST(SkypeAnswers, UnknownThingsGetSkypeStyleErrors) {
    const SkypeState state(Demo());
    EXPECT_EQ(state.Reply("HELLO"), "ERROR 2 Unknown command");
    EXPECT_EQ(state.Reply(""), "ERROR 2 Unknown command");
    EXPECT_EQ(state.Reply("PING PONG"), "ERROR 2 Unknown command");
    EXPECT_EQ(state.Reply("SEARCH CALLS"), "ERROR 3 SEARCH: unknown WHAT");
    EXPECT_EQ(state.Reply("GET"), "ERROR 7 GET: invalid WHAT");
    EXPECT_EQ(state.Reply("GET WEATHER"), "ERROR 7 GET: invalid WHAT");
    EXPECT_EQ(state.Reply("GET USER"), "ERROR 8 Invalid user handle");
    EXPECT_EQ(state.Reply("GET USER zed FULLNAME"), "ERROR 9 Unknown user");
    EXPECT_EQ(state.Reply("GET USER anna SHOESIZE"), "ERROR 10 Invalid PROP");
    EXPECT_EQ(state.Reply("GET USER anna"), "ERROR 10 Invalid PROP");
    EXPECT_EQ(state.Reply("GET CALL x TYPE"), "ERROR 11 Invalid call id");
    EXPECT_EQ(state.Reply("GET CALL 9 TYPE"), "ERROR 12 Unknown call");
    EXPECT_EQ(state.Reply("GET CALL 7 COLOUR"), "ERROR 13 Invalid PROP");
    EXPECT_EQ(state.Reply("GET MESSAGE 7 PARTNER_HANDLE"), "ERROR 15 Unknown message");
    EXPECT_EQ(state.Reply("GET MESSAGE -1 PARTNER_HANDLE"), "ERROR 14 Invalid message id");
    EXPECT_EQ(state.Reply("PROTOCOL"), "ERROR 1 General syntax error");
}

TEST(SkypeAnswers, TaggedCommandsGetTaggedReplies) {
    const SkypeState state(Demo());
    EXPECT_EQ(state.Reply("#42 GET CALL 7 TYPE"), "#42 CALL 7 TYPE INCOMING_P2P");
    EXPECT_EQ(state.Reply("#x NONSENSE"), "#x ERROR 2 Unknown command");
    EXPECT_EQ(CommandBody("#42 GET CALL 7 TYPE"), "GET CALL 7 TYPE");
    EXPECT_EQ(CommandBody("GET CALL 7 TYPE"), "GET CALL 7 TYPE");
}

TEST(SkypeAnswers, TheSignedInUserIsAUserToo) {
    const SkypeState state(Demo());
    EXPECT_EQ(state.Reply("GET USER demo.user FULLNAME"), "USER demo.user FULLNAME ");
}

TEST(SkypeObservation, SentNotificationsBecomeLaterAnswers) {
    SkypeState state(Demo());
    EXPECT_EQ(state.Reply("GET CALL 7 STATUS"), "ERROR 13 Invalid PROP");
    state.Observe("CALL 7 STATUS RINGING");
    EXPECT_EQ(state.Reply("GET CALL 7 STATUS"), "CALL 7 STATUS RINGING");
    state.Observe("CALL 7 STATUS INPROGRESS");
    EXPECT_EQ(state.Reply("GET CALL 7 STATUS"), "CALL 7 STATUS INPROGRESS");
    state.Observe("USERSTATUS AWAY");
    EXPECT_EQ(state.Reply("GET USERSTATUS"), "USERSTATUS AWAY");
    state.Observe("USER anna FULLNAME Anna Svensson");
    EXPECT_EQ(state.Reply("GET USER anna FULLNAME"), "USER anna FULLNAME Anna Svensson");
    state.Observe("CALL 21 STATUS RINGING");
    EXPECT_EQ(state.Reply("GET CALL 21 STATUS"), "CALL 21 STATUS RINGING");
    EXPECT_EQ(state.Reply("GET CALL 21 TYPE"), "ERROR 13 Invalid PROP");
}

TEST(SkypeObservation, RepliesAndOddTextsChangeNothing) {
    SkypeState state(Demo());
    for (const char* text : {"PONG", "USERS a, b", "ERROR 2 Unknown command", "CALL", "CALL x STATUS Y", "CALL 7"})
        state.Observe(text);
    EXPECT_EQ(state.Reply("GET CALL 7 TYPE"), "CALL 7 TYPE INCOMING_P2P");
    EXPECT_EQ(state.Reply("SEARCH FRIENDS"), "USERS anna, bob, carl, dora");
    EXPECT_EQ(state.Reply("GET CALL 7 STATUS"), "ERROR 13 Invalid PROP");
}

}  // namespace
}  // namespace skypesim
