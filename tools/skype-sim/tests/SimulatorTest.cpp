#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "FakeSimHost.h"
#include "simcore/ScenarioParser.h"
#include "simcore/Simulator.h"

namespace skypesim {
namespace {

using test::FakeSimHost;

constexpr Window kClient = 0x777;
const std::string kNul(1, '\0');

class SimulatorTest : public ::testing::Test {
protected:
    void Load(std::string_view text) {
        const ParseOutcome outcome = ParseScenario(text);
        ASSERT_FALSE(outcome.error) << outcome.error->message;
        sim = std::make_unique<Simulator>(outcome.scenario, host);
        ASSERT_TRUE(sim->Start());
    }
    std::intptr_t Command(const std::string& text, Window from = kClient) {
        return sim->OnCopyData(from, 0, text + kNul);
    }
    std::optional<std::uint64_t> RunAt(std::uint64_t ms) {
        host.now = ms;
        return sim->Run();
    }

    FakeSimHost host;
    std::unique_ptr<Simulator> sim;
};

TEST_F(SimulatorTest, DiscoverIsAnsweredLaterWithAttachAndThePush) {
    Load("me demo.user\n");
    sim->OnDiscover(kClient);
    EXPECT_TRUE(host.sent.empty());  // never from inside the broadcast
    sim->Run();
    ASSERT_EQ(host.sent.size(), 4u);
    EXPECT_EQ(host.sent[0].what, "attach");
    EXPECT_EQ(host.sent[0].to, kClient);
    EXPECT_EQ(host.sent[0].api, sim->ApiWindow());
    EXPECT_EQ(host.sent[0].status, 0);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"CONNSTATUS ONLINE", "CURRENTUSERHANDLE demo.user",
                                                      "USERSTATUS ONLINE"}));
    EXPECT_TRUE(host.Logged("DISCOVER from 0x777"));
    EXPECT_TRUE(host.Logged("ATTACH 0 success to 0x777 -> 1"));
    EXPECT_TRUE(host.Logged("OUT USERSTATUS ONLINE -> 1"));
}

TEST_F(SimulatorTest, PushCanBeSwitchedOff) {
    Load("push-on-attach off\n");
    sim->OnDiscover(kClient);
    sim->Run();
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].what, "attach");
}

TEST_F(SimulatorTest, AttachPlanAnswersSuccessiveDiscovers) {
    Load("attach refused, ignore, notavailable, pending\n");
    for (int i = 0; i < 5; ++i) sim->OnDiscover(kClient);
    sim->Run();
    std::vector<std::int64_t> statuses;
    for (const auto& s : host.sent)
        if (s.what == "attach") statuses.push_back(s.status);
    EXPECT_EQ(statuses, (std::vector<std::int64_t>{2, 3, 1, 0}));
    EXPECT_TRUE(host.Logged("NOTE discover not answered (attach plan: ignore)"));
}

TEST_F(SimulatorTest, ApproveFollowsPendingWithSuccessAndPush) {
    Load("attach pending\nexpect-discover\nwait 2000\napprove\n");
    EXPECT_EQ(RunAt(1000), 61000u);
    sim->OnDiscover(kClient);
    EXPECT_EQ(RunAt(1100), 3100u);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].status, 1);
    EXPECT_EQ(RunAt(3099), 3100u);
    EXPECT_EQ(host.sent.size(), 1u);
    EXPECT_FALSE(RunAt(3100));
    ASSERT_EQ(host.sent.size(), 5u);
    EXPECT_EQ(host.sent[1].what, "attach");
    EXPECT_EQ(host.sent[1].status, 0);
    EXPECT_EQ(host.sent[2].text, "CONNSTATUS ONLINE");
    EXPECT_TRUE(host.Logged("NOTE scenario done; still answering"));
}

TEST_F(SimulatorTest, CommandsAreTakenAtOnceAndAnsweredToTheSenderLater) {
    Load("contact anna Anna\n");
    EXPECT_EQ(Command("GET USER anna FULLNAME", 0x999), 1);
    EXPECT_TRUE(host.sent.empty());
    sim->Run();
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].to, 0x999u);
    EXPECT_EQ(host.sent[0].text, "USER anna FULLNAME Anna");
    EXPECT_TRUE(host.Logged("IN GET USER anna FULLNAME"));
    EXPECT_TRUE(host.Logged("OUT USER anna FULLNAME Anna -> 1"));
}

TEST_F(SimulatorTest, RefuseReturnsZeroWithoutAnswerAndIsNotExpected) {
    Load("refuse 2\nexpect PING\n");
    sim->Run();
    EXPECT_EQ(Command("PING"), 0);
    EXPECT_EQ(Command("PING"), 0);
    EXPECT_EQ(Command("GET CURRENTUSERHANDLE"), 1);
    sim->Run();
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"CURRENTUSERHANDLE me"}));
    EXPECT_FALSE(host.Logged("NOTE expect met by PING"));
    EXPECT_TRUE(host.Logged("NOTE refused delivery: returned 0, 0 more to refuse"));
}

TEST_F(SimulatorTest, ExpectCountsCommandsThatCameBeforeItsStep) {
    Load("wait 500\nexpect SEARCH FRIENDS\nsend CALL 7 STATUS RINGING\n");
    sim->OnDiscover(kClient);
    RunAt(1000);
    Command("SEARCH FRIENDS");
    RunAt(1200);
    EXPECT_EQ(host.Texts().back(), "USERS ");
    EXPECT_FALSE(RunAt(1500));
    EXPECT_TRUE(host.Logged("NOTE expect met by SEARCH FRIENDS"));
    EXPECT_EQ(host.Texts().back(), "CALL 7 STATUS RINGING");
}

TEST_F(SimulatorTest, ExpectGivesUpAfterTheTimeoutAndGoesOn) {
    Load("expect-timeout 300\nexpect GET CALL\nsend PING\n");
    sim->OnDiscover(kClient);
    EXPECT_EQ(RunAt(1000), 1300u);
    EXPECT_EQ(host.Texts().back(), "USERSTATUS ONLINE");
    EXPECT_FALSE(RunAt(1300));
    EXPECT_TRUE(host.Logged("NOTE TIMEOUT expect GET CALL"));
    EXPECT_EQ(host.Texts().back(), "PING");
}

TEST_F(SimulatorTest, ExpectDiscoverWaitsForOneAfterItStarted) {
    Load("expect-discover\nexpect-discover\nsend PING\n");
    EXPECT_EQ(RunAt(1000), 61000u);
    sim->OnDiscover(kClient);
    sim->OnDiscover(kClient);  // both before the second step: it waits for a third
    EXPECT_EQ(RunAt(1100), 61100u);
    sim->OnDiscover(kClient);
    EXPECT_FALSE(RunAt(1200));
    EXPECT_EQ(host.Texts().back(), "PING");
}

TEST_F(SimulatorTest, AReturnedSkypeExpectsOnlyNewCommands) {
    Load("expect-timeout 100\nvanish\nreturn\nexpect PING\n");
    Command("PING");
    RunAt(1000);
    EXPECT_EQ(RunAt(1100), std::nullopt);
    EXPECT_TRUE(host.Logged("NOTE TIMEOUT expect PING"));
}

TEST_F(SimulatorTest, ExpectDiscoverTimesOutWhenNoneCame) {
    Load("expect-timeout 100\nexpect-discover\nexit\n");
    EXPECT_EQ(RunAt(1000), 1100u);
    EXPECT_FALSE(RunAt(1100));
    EXPECT_TRUE(host.Logged("NOTE TIMEOUT expect-discover"));
    EXPECT_EQ(host.quitCode, 0);
}

TEST_F(SimulatorTest, StepsAreLoggedAsWritten) {
    Load("  send   CALL 7 STATUS RINGING  \n");
    sim->OnDiscover(kClient);
    sim->Run();
    EXPECT_TRUE(host.Logged("STEP send   CALL 7 STATUS RINGING"));
    EXPECT_EQ(host.Texts().back(), "CALL 7 STATUS RINGING");
}

TEST_F(SimulatorTest, SendBeforeAnyClientIsOnlyNoted) {
    Load("send CALL 7 STATUS RINGING\napprove\n");
    sim->Run();
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.Logged("NOTE no client has discovered: not sent: CALL 7 STATUS RINGING"));
}

TEST_F(SimulatorTest, SentNotificationsShapeLaterAnswers) {
    Load("call 7 INCOMING_P2P anna\nsend CALL 7 STATUS RINGING\n");
    sim->OnDiscover(kClient);
    sim->Run();
    Command("GET CALL 7 STATUS");
    sim->Run();
    EXPECT_EQ(host.Texts().back(), "CALL 7 STATUS RINGING");
}

TEST_F(SimulatorTest, ACommandSentWhileWeSendIsAnsweredInTheSameRun) {
    Load("call 7 INCOMING_P2P anna\nsend CALL 7 STATUS RINGING\n");
    sim->OnDiscover(kClient);
    host.onText = [&](const std::string& text) {
        if (text == "CALL 7 STATUS RINGING") {
            EXPECT_EQ(Command("GET CALL 7 PARTNER_HANDLE"), 1);
        }
    };
    sim->Run();
    EXPECT_EQ(host.Texts().back(), "CALL 7 PARTNER_HANDLE anna");
}

TEST_F(SimulatorTest, VanishAndReturnMakeANewWindowThatForgetsTheClient) {
    Load("attach pending, refused\nexpect-discover\nvanish\nwait 10\nreturn\nsend PONG\nexpect-discover\n");
    const Window first = sim->ApiWindow();
    RunAt(1000);
    sim->OnDiscover(kClient);
    RunAt(1000);
    EXPECT_EQ(host.destroyed, (std::vector<Window>{first}));
    EXPECT_EQ(sim->ApiWindow(), 0u);
    RunAt(1010);
    ASSERT_EQ(host.created.size(), 2u);
    EXPECT_NE(host.created[1], first);
    EXPECT_EQ(sim->ApiWindow(), host.created[1]);
    EXPECT_TRUE(host.Logged("NOTE no client has discovered: not sent: PONG"));
    sim->OnDiscover(kClient);
    RunAt(1020);
    EXPECT_EQ(host.sent.back().what, "attach");
    EXPECT_EQ(host.sent.back().status, 2);  // the plan goes on where it was
    EXPECT_EQ(host.sent.back().api, host.created[1]);
}

TEST_F(SimulatorTest, BroadcastsAndExit) {
    Load("api-available\nunload\nexit\nsend PING\n");
    sim->OnDiscover(kClient);
    EXPECT_FALSE(sim->Run());
    std::vector<std::string> kinds;
    for (const auto& s : host.sent) kinds.push_back(s.what);
    EXPECT_EQ(kinds, (std::vector<std::string>{"attach", "text", "text", "text", "broadcast-attach",
                                               "broadcast-unload"}));
    EXPECT_EQ(host.sent[4].status, 0x8001);
    EXPECT_EQ(host.sent[4].api, sim->ApiWindow());
    EXPECT_EQ(host.quitCode, 0);
    EXPECT_TRUE(sim->Exited());
    EXPECT_EQ(Command("PING"), 0);
    sim->Run();
    EXPECT_EQ(host.sent.size(), 6u);
}

TEST_F(SimulatorTest, CloseRequestQuits) {
    Load("wait 100000\n");
    sim->Run();
    sim->OnCloseRequest();
    EXPECT_EQ(host.quitCode, 0);
    EXPECT_FALSE(sim->Run());
}

TEST_F(SimulatorTest, AFloodingClientCannotGrowTheQueueWithoutBound) {
    Load("send FIRST\n");
    sim->OnDiscover(kClient);
    bool flooded = false;
    host.onText = [&](const std::string&) {
        if (flooded) return;
        flooded = true;
        for (std::size_t i = 0; i < Simulator::kMaxQueued + 5; ++i) Command("PING");
    };
    sim->Run();
    EXPECT_TRUE(host.Logged("NOTE send queue full: dropped PONG"));
    const auto texts = host.Texts();
    // The flood came during the first push message, with two more push messages still queued.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "PONG"), static_cast<long>(Simulator::kMaxQueued - 2));
    EXPECT_EQ(texts.back(), "FIRST");
}

TEST_F(SimulatorTest, FailedAndSlowSendsAreLogged) {
    Load("");
    host.nextResult = {SendStatus::Failed, 0};
    Command("PING");
    sim->Run();
    EXPECT_TRUE(host.Logged("OUT PONG -> failed"));
    host.nextResult = {SendStatus::TimedOut, 0};
    host.sendTakesMs = 1500;
    Command("PING");
    sim->Run();
    EXPECT_TRUE(host.Logged("OUT PONG -> timeout"));
    EXPECT_TRUE(host.Logged("NOTE the client took 1500 ms to take that message"));
}

TEST_F(SimulatorTest, MalformedCopyDataIsNotedAndBoundedButAnswered) {
    Load("");
    EXPECT_EQ(sim->OnCopyData(kClient, 0, "PING"), 1);
    EXPECT_TRUE(host.Logged("NOTE no terminating NUL in 4 bytes"));
    EXPECT_EQ(sim->OnCopyData(kClient, 5, std::string("PING\0junk", 9)), 1);
    EXPECT_TRUE(host.Logged("NOTE dwData was 5, not 0"));
    EXPECT_TRUE(host.Logged("NOTE cbData 9 but the text ends after 4 bytes and its NUL"));
    EXPECT_EQ(sim->OnCopyData(kClient, 0, std::string("P\xFFNG") + kNul), 1);
    EXPECT_TRUE(host.Logged("IN P\xFFNG"));  // escaped only when the line is written
    EXPECT_TRUE(host.Logged("NOTE command is not valid UTF-8"));
    const std::string huge(Simulator::kMaxCommandBytes + 1, 'x');
    EXPECT_EQ(sim->OnCopyData(kClient, 0, huge), 0);
    sim->Run();
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"PONG", "PONG", "ERROR 2 Unknown command"}));
}

}  // namespace
}  // namespace skypesim
