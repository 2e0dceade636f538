#include <gtest/gtest.h>

#include <memory>

#include "FakeSimHost.h"
#include "simcore/ScenarioParser.h"
#include "simcore/Simulator.h"

namespace skypesim {
namespace {

using test::FakeSimHost;

constexpr Window kClient = 0x777;

class SimulatorTest : public ::testing::Test {
protected:
    void Load(std::string_view text) {
        const ParseOutcome outcome = ParseScenario(text);
        ASSERT_FALSE(outcome.error) << outcome.error->message;
        sim = std::make_unique<Simulator>(outcome.scenario, host);
        ASSERT_TRUE(sim->Start());
    }
    std::intptr_t Command(const std::string& text) { return sim->OnCopyData(kClient, 0, text + '\0'); }
    std::optional<std::uint64_t> RunAt(std::uint64_t ms) {
        host.now = ms;
        return sim->Run();
    }

    FakeSimHost host;
    std::unique_ptr<Simulator> sim;
};

TEST_F(SimulatorTest, WaitThenApproveFollowsPendingWithSuccessAndPush) {
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
    EXPECT_EQ(host.sent[1].status, 0);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"CONNSTATUS ONLINE", "CURRENTUSERHANDLE me",
                                                      "USERSTATUS ONLINE"}));
    EXPECT_TRUE(host.Logged("NOTE scenario done; still answering"));
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
    Load("expect-timeout 300\nexpect GET CALL\nexpect-discover\nsend PING\n");
    sim->OnDiscover(kClient);
    EXPECT_EQ(RunAt(1000), 1300u);
    EXPECT_EQ(RunAt(1300), 1600u);
    EXPECT_TRUE(host.Logged("NOTE TIMEOUT expect GET CALL"));
    EXPECT_FALSE(RunAt(1600));
    EXPECT_TRUE(host.Logged("NOTE TIMEOUT expect-discover"));
    EXPECT_EQ(host.Texts().back(), "PING");
}

TEST_F(SimulatorTest, AwaitFileLooksAgainUntilTheFileAppearsOrTimeIsUp) {
    Load("expect-timeout 1000\nawait-file C:\\go now\nsend PING\nawait-file C:\\never\nsend PONG\n");
    sim->OnDiscover(kClient);
    EXPECT_EQ(RunAt(1000), 1200u);
    host.files.insert("C:\\go now");
    EXPECT_EQ(RunAt(1200), 1400u);
    EXPECT_TRUE(host.Logged("NOTE file found: C:\\go now"));
    EXPECT_EQ(host.Texts().back(), "PING");
    EXPECT_EQ(RunAt(2150), 2200u);
    EXPECT_FALSE(RunAt(2200));
    EXPECT_TRUE(host.Logged("NOTE TIMEOUT await-file C:\\never"));
    EXPECT_EQ(host.Texts().back(), "PONG");
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

TEST_F(SimulatorTest, HeldNameQuestionsAreAnsweredOnlyAtTheStepThenAtOnce) {
    Load("push-on-attach off\ncontacts 2 c Friend\nhold-names\nawait-file C:\\go\nanswer-names\n");
    sim->OnDiscover(kClient);
    RunAt(1000);
    Command("GET USER c2 FULLNAME");
    Command("PING");
    RunAt(1100);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"PONG"}));
    host.files.insert("C:\\go");
    Command("GET USER c1 FULLNAME");
    EXPECT_FALSE(RunAt(1200));
    Command("GET USER c1 FULLNAME");
    sim->Run();
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"PONG", "USER c2 FULLNAME Friend 2", "USER c1 FULLNAME Friend 1",
                                                      "USER c1 FULLNAME Friend 1"}));
}

TEST_F(SimulatorTest, OversizedCommandsAndFloodsStayBounded) {
    Load("send FIRST\n");
    EXPECT_EQ(sim->OnCopyData(kClient, 0, std::string(Simulator::kMaxCommandBytes + 1, 'x')), 0);
    sim->OnDiscover(kClient);
    for (std::size_t i = 0; i < Simulator::kMaxQueued + 5; ++i) Command("PING");
    sim->Run();
    EXPECT_TRUE(host.Logged("NOTE send queue full: dropped PONG"));
    EXPECT_LE(host.sent.size(), Simulator::kMaxQueued + 1);
    EXPECT_EQ(host.Texts().back(), "FIRST");
}

}  // namespace
}  // namespace skypesim
