#include <gtest/gtest.h>

#include "simcore/ScenarioParser.h"
#include "simcore/SkypeState.h"

namespace skypesim {
namespace {

TEST(SkypeAnswers, AsSkypeWould) {
    SkypeState state(ParseScenario("me demo.user\n"
                                   "contact anna Anna Andersson\n"
                                   "contact carl\n"
                                   "call 7 INCOMING_P2P anna\n"
                                   "message 12 carl\n"
                                   "chatmessage 13 anna\n")
                         .scenario);
    state.Observe("CALL 7 STATUS RINGING");
    state.Observe("USERSTATUS AWAY");
    state.Observe("CALL x STATUS Y");  // not a notification Skype sends: changes nothing
    const std::pair<const char*, const char*> table[] = {
        {"PING", "PONG"},
        {"GET CURRENTUSERHANDLE", "CURRENTUSERHANDLE demo.user"},
        {"SEARCH FRIENDS", "USERS anna, carl"},
        {"get  user anna  fullname", "USER anna FULLNAME Anna Andersson"},
        {"GET USER carl FULLNAME", "USER carl FULLNAME "},
        {"GET USER demo.user FULLNAME", "USER demo.user FULLNAME "},
        {"GET CALL 007 TYPE", "CALL 7 TYPE INCOMING_P2P"},
        {"GET CALL 7 PARTNER_HANDLE", "CALL 7 PARTNER_HANDLE anna"},
        {"GET CALL 7 STATUS", "CALL 7 STATUS RINGING"},
        {"GET MESSAGE 12 PARTNER_HANDLE", "MESSAGE 12 PARTNER_HANDLE carl"},
        {"GET CHATMESSAGE 13 FROM_HANDLE", "CHATMESSAGE 13 FROM_HANDLE anna"},
        {"GET USERSTATUS", "USERSTATUS AWAY"},
        {"GET CONNSTATUS", "CONNSTATUS ONLINE"},
        {"PROTOCOL 99", "PROTOCOL 8"},
        {"#42 GET CALL 7 TYPE", "#42 CALL 7 TYPE INCOMING_P2P"},
        {"PROTOCOL", "ERROR 1 General syntax error"},
        {"HELLO", "ERROR 2 Unknown command"},
        {"", "ERROR 2 Unknown command"},
        {"SEARCH CALLS", "ERROR 3 SEARCH: unknown WHAT"},
        {"GET WEATHER", "ERROR 7 GET: invalid WHAT"},
        {"GET USER", "ERROR 8 Invalid user handle"},
        {"GET USER ANNA FULLNAME", "ERROR 9 Unknown user"},
        {"GET USER anna SHOESIZE", "ERROR 10 Invalid PROP"},
        {"GET CALL x TYPE", "ERROR 11 Invalid call id"},
        {"GET CALL 9 TYPE", "ERROR 12 Unknown call"},
        {"GET CALL 7 COLOUR", "ERROR 13 Invalid PROP"},
        {"GET MESSAGE -1 PARTNER_HANDLE", "ERROR 14 Invalid message id"},
        {"GET MESSAGE 7 PARTNER_HANDLE", "ERROR 15 Unknown message"},
        {"#x NONSENSE", "#x ERROR 2 Unknown command"},
    };
    for (const auto& [command, reply] : table) EXPECT_EQ(state.Reply(command), reply) << command;
}

}  // namespace
}  // namespace skypesim
