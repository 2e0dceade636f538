#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "simcore/ScenarioParser.h"
#include "simcore/Simulator.h"
#include "simcore/SkypeState.h"

namespace skypesim {
namespace {

constexpr Window kClient = 0x777;

// Records what reached the client ("attach N" or the text); time moves only when a test moves it.
class FakeHost : public SimHost {
public:
    std::uint64_t now = 1000;
    std::vector<std::string> log, sent;
    std::set<std::string, std::less<>> files;

    std::uint64_t NowMs() override { return now; }
    void Log(LogKind kind, std::string_view text) override {
        log.push_back(std::string(LogKindName(kind)) + " " + std::string(text));
    }
    Window CreateApiWindow() override { return 0x100; }
    void DestroyApiWindow(Window) override {}
    SendResult SendAttach(Window, Window, std::int64_t status) override {
        return Record("attach " + std::to_string(status));
    }
    SendResult SendText(Window, Window, std::string_view text) override { return Record(std::string(text)); }
    SendResult BroadcastAttach(Window, std::int64_t) override { return {SendStatus::Answered, 1}; }
    SendResult BroadcastUnload() override { return {SendStatus::Answered, 1}; }
    void Quit(int) override {}
    bool FileExists(std::string_view path) override { return files.count(path) > 0; }
    bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

private:
    SendResult Record(std::string what) {
        sent.push_back(std::move(what));
        return {SendStatus::Answered, 1};
    }
};

Scenario Parsed(std::string_view text) {
    ParseOutcome outcome = ParseScenario(text);
    EXPECT_FALSE(outcome.error) << outcome.error->message;
    return outcome.scenario;
}

TEST(Simulator, StepsWaitForTheirTimeTheirCommandTheirFileOrTheirDiscover) {
    // Actions: "d" a discover, "c TEXT" a command, "f PATH" a file appears, "@T" run at T ms,
    // "@T=W" run at T and be woken next at W ("-": never).
    struct Case {
        const char* scenario;
        std::vector<std::string> actions, sent, notes;
    } cases[] = {
        {"attach pending\nexpect-discover\nwait 2000\napprove\n",
         {"@1000=61000", "d", "@1100=3100", "@3099=3100", "@3100=-"},
         {"attach 1", "attach 0", "CONNSTATUS ONLINE", "CURRENTUSERHANDLE me", "USERSTATUS ONLINE"},
         {"scenario done; still answering"}},
        // A command that came before its expect step still counts.
        {"push-on-attach off\nwait 500\nexpect SEARCH FRIENDS\nsend CALL 7 STATUS RINGING\n",
         {"d", "@1000=1500", "c SEARCH FRIENDS", "@1200=1500", "@1500=-"},
         {"attach 0", "USERS ", "CALL 7 STATUS RINGING"},
         {"expect met by SEARCH FRIENDS"}},
        // The discover came before the expect-discover step: only a later one counts.
        {"push-on-attach off\nexpect-timeout 300\nexpect GET CALL\nexpect-discover\nsend PING\n",
         {"d", "@1000=1300", "@1300=1600", "@1600=-"},
         {"attach 0", "PING"},
         {"TIMEOUT expect GET CALL", "TIMEOUT expect-discover"}},
        {"push-on-attach off\nexpect-timeout 1000\nawait-file C:\\go now\nsend PING\nawait-file C:\\never\nsend PONG\n",
         {"d", "@1000=1200", "f C:\\go now", "@1200=1400", "@2150=2200", "@2200=-"},
         {"attach 0", "PING", "PONG"},
         {"file found: C:\\go now", "TIMEOUT await-file C:\\never"}},
        // Name questions wait for answer-names, and after it are answered at once.
        {"push-on-attach off\ncontacts 2 c Friend\nhold-names\nawait-file C:\\go\nanswer-names\n",
         {"d", "@1000", "c GET USER c2 FULLNAME", "c PING", "@1100", "f C:\\go", "c GET USER c1 FULLNAME", "@1200=-",
          "c GET USER c1 FULLNAME", "@1200"},
         {"attach 0", "PONG", "USER c2 FULLNAME Friend 2", "USER c1 FULLNAME Friend 1", "USER c1 FULLNAME Friend 1"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        FakeHost host;
        Simulator sim(Parsed(c.scenario), host);
        ASSERT_TRUE(sim.Start());
        for (const std::string& a : c.actions) {
            if (a == "d") {
                sim.OnDiscover(kClient);
            } else if (a[0] == 'c') {
                sim.OnCopyData(kClient, 0, a.substr(2) + '\0');
            } else if (a[0] == 'f') {
                host.files.insert(a.substr(2));
            } else {
                host.now = std::stoull(a.substr(1));
                const auto wake = sim.Run();
                if (const auto eq = a.find('='); eq != std::string::npos) {
                    EXPECT_EQ(wake ? std::to_string(*wake) : "-", a.substr(eq + 1)) << a;
                }
            }
        }
        EXPECT_EQ(host.sent, c.sent);
        for (const std::string& note : c.notes) EXPECT_TRUE(host.Logged("NOTE " + note)) << note;
    }
}

TEST(Simulator, OversizedCommandsAndFloodsStayBounded) {
    FakeHost host;
    Simulator sim(Parsed("push-on-attach off\nsend FIRST\n"), host);
    ASSERT_TRUE(sim.Start());
    EXPECT_EQ(sim.OnCopyData(kClient, 0, std::string(Simulator::kMaxCommandBytes + 1, 'x')), 0);
    sim.OnDiscover(kClient);
    for (std::size_t i = 0; i < Simulator::kMaxQueued + 5; ++i) sim.OnCopyData(kClient, 0, std::string("PING", 5));
    sim.Run();
    EXPECT_TRUE(host.Logged("NOTE send queue full: dropped PONG"));
    EXPECT_LE(host.sent.size(), Simulator::kMaxQueued + 1);
    EXPECT_EQ(host.sent.back(), "FIRST");
}

TEST(SkypeAnswers, AsSkypeWould) {
    SkypeState state(Parsed("me demo.user\ncontact anna Anna Andersson\ncontact carl\ncall 7 INCOMING_P2P anna\n"
                            "message 12 carl\nchatmessage 13 anna\n"));
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

TEST(ScenarioErrors, NameTheLineAndTheProblem) {
    const std::tuple<std::string, int, const char*> table[] = {
        {"# ok\nfrobnicate now\n", 2, "unknown directive 'frobnicate'"},
        {"wait 86400001\n", 1, "whole number"},
        {"me a\n\nme b\n", 3, "first on line 1"},
        {"contact a,b Name\n", 1, "comma"},
        {"contact c2\ncontacts 3 c\n", 2, "contact c2 given twice (first on line 1)"},
        {"contacts 50000 a\ncontacts 1 b\n", 2, "more than 50000 contacts"},
        {"attach success, maybe\n", 1, "unknown attach answer 'maybe'"},
        {"return\n", 1, "without an earlier vanish"},
        {"vanish\nwait 5\nsend PING\n", 3, "while vanished"},
        {"contact x \xC0\xAF\n", 1, "UTF-8"},
        {"send A\rB\n", 1, "control character"},
        {"wait 1\nsend " + std::string(kMaxLineBytes, 'x') + "\n", 2, "longer than"},
    };
    for (const auto& [text, line, messagePart] : table) {
        const ParseOutcome outcome = ParseScenario(text);
        ASSERT_TRUE(outcome.error) << text;
        const std::string where = "s.txt:" + std::to_string(line) + ": ";
        EXPECT_EQ(FormatParseError("s.txt", *outcome.error).rfind(where, 0), 0u) << text;
        EXPECT_NE(outcome.error->message.find(messagePart), std::string::npos) << outcome.error->message;
    }
}

}  // namespace
}  // namespace skypesim
