#include <gtest/gtest.h>

#include <optional>

#include "core/server/InternetErrorText.h"
#include "core/server/RequestCode.h"
#include "core/server/clsHTTP.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeSystem.h"

namespace quill::test {
namespace {

const std::string kBase = "http://127.0.0.1:8421/util/speech.php?Item=";
const std::string kTarget = "C:\\Q\\tones\\a.wav";

// A tone fetched, stored and played, and its progress, are tests/e2e/test_server.py's and ProgressWindowTest's.
struct ClsHttpTest : ::testing::Test {
    FakeInternet net;
    FakeFiles files;
    FakeClock clock;
    FakeTextCodec codec;
    clsHTTP http{net, files, clock, codec};

    void SetUp() override { net.clock = &clock; }

    std::string Speak(const std::string& body, const std::string& folder = "C:\\Q\\tones") {
        net.answers[kBase] = {body};
        return http.GenerateWave(folder, "a.wav", kBase, "en-us16", "Hi CONTACT").Error();
    }
};

TEST_F(ClsHttpTest, RequestIsEncodedAfterTheBaseWithTheVoicesRate) {
    clock.now.second = 27;  // 14:03:27 is second 50607 of the day: 7 lead blanks
    files.files[kTarget] = "old";
    EXPECT_EQ(Speak("wave", "C:\\Q\\tones\\"), "");  // the folder with its backslash names the same file
    EXPECT_EQ(files.files[kTarget], "wave");
    const std::string item = EncodeRequest(RequestText(7, {"en-us16", "16", "Hi CONTACT"}));
    EXPECT_EQ(net.opened, std::vector<std::string>{kBase + item});
    EXPECT_EQ(net.agent, "MyRcvSes");
    EXPECT_EQ(net.flags, 0xA0000000u);
}

TEST_F(ClsHttpTest, FailuresAreTextsNamedAfterTheStepThatFailed) {
    const struct {
        std::string address;
        FakeInternet::Answer answer;
        std::string error;
        std::optional<std::uint64_t> stored;  // none: no file
    } cases[] = {
        {kBase, {"", 12029}, "Error opening file: The attempt to connect to the server failed.", std::nullopt},
        {kBase, {"part", 0, 12002}, "Error downloading file: The request has timed out.", 4},
        {kBase, {std::string((64u << 20) + 1, 'w')}, "Error downloading file: the answer is larger than 64 MiB.",
         64u << 20},
        // Only web addresses are fetched.
        {"file:///C:/secret?", {}, "Error opening file: The URL scheme could not be recognized, or is not supported.",
         std::nullopt},
    };
    for (const auto& c : cases) {
        files.files.erase(kTarget);
        net.opened.clear();
        net.answers[kBase] = c.answer;
        EXPECT_EQ(http.GenerateWave("C:\\Q\\tones", "a.wav", c.address, "v", "t").Error(), c.error);
        EXPECT_EQ(files.Size(kTarget), c.stored) << c.error;
        EXPECT_EQ(net.opened.size(), c.address == kBase ? 1u : 0u) << c.error;
    }
    net.sessionError = 12004;
    EXPECT_EQ(Speak("x"), "Connection error: An internal error has occurred.");
    EXPECT_EQ(net.handlesOpen, 0);
}

TEST_F(ClsHttpTest, EachDeadlineEndsItsStepAsATimeOut) {
    const std::string opening = "Error opening file: ", reading = "Error downloading file: ";
    const unsigned never = FakeInternet::kNever;
    const struct {
        FakeInternet::Answer answer;
        std::string result;
        std::uint64_t endsAtMs;
        std::size_t stored;
    } cases[] = {
        {{"wave", 0, 0, never}, opening, 15000, 0},         // accepts, never answers
        {{"wave", 0, 0, 0, never}, reading, 15000, 0},      // a read that blocks
        {{"wave", 0, 0, 14000, never}, reading, 29000, 0},  // each read has its own time
        {{std::string(9000, 'w'), 0, 0, 0, 14000}, reading, 60000, 4 * 2048},  // slow reads, too slow in all
    };
    for (const auto& c : cases) {
        clock.ms = 0;
        EXPECT_EQ(Speak(c.answer.body), "") << "the last time-out left nothing behind";
        net.answers[kBase] = c.answer;
        EXPECT_EQ(http.GenerateWave("C:\\Q\\tones", "a.wav", kBase, "v", "t").Error(),
                  c.result.empty() ? "" : c.result + "The request has timed out.");
        EXPECT_EQ(clock.ms, c.endsAtMs);
        EXPECT_EQ(files.files[kTarget].size(), c.stored) << c.endsAtMs;
        EXPECT_EQ(net.handlesOpen, 0);
    }
    EXPECT_EQ(TransferDeadlines::Parse("100,1500,600000")->readMs, 1500u);
    for (const char* bad : {"2000,1500", "99,1500,6000", "2000,1500,600001", "2000,1500,6000,1", "2000, 1500,6000"})
        EXPECT_FALSE(TransferDeadlines::Parse(bad)) << bad;
}

TEST_F(ClsHttpTest, CancelEndsABlockedReadAndASecondTransferIsRefused) {
    std::string second;
    net.onAwait = [&] {
        if (clock.ms < 3000) return;
        second = http.DbRequest("C:\\Q\\tones", "b.txt", kBase, "me", "GetHeader").Error();
        http.CancelOperationFlag = true;
    };
    net.answers[kBase] = {std::string(9000, 'w'), 0, 0, 0, FakeInternet::kNever};
    EXPECT_EQ(http.GenerateWave("C:\\Q\\tones", "a.wav", kBase, "v", "t").Error(), "Operation has been cancelled.");
    EXPECT_EQ(second, "Error opening file: another transfer is under way; try again when it has ended.");
    EXPECT_EQ(clock.ms, 3050u);
    EXPECT_FALSE(http.Busy() || http.CancelOperationFlag || net.handlesOpen);
    net.onAwait = [&] { http.CancelOperationFlag = clock.ms >= 6000; };
    net.answers[kBase] = {"wave", 0, 0, FakeInternet::kNever};  // an address that never opens
    EXPECT_EQ(http.GenerateWave("C:\\Q\\tones", "a.wav", kBase, "v", "t").Error(), "Operation has been cancelled.");
}

TEST(InternetErrorTextTable, KnownCodesHaveTheirTextsOthersTheGeneralOne) {
    const std::pair<unsigned long, std::string> cases[] = {
        {0, ""},
        {12011, "The request option can not be set, only queried. "},
        {12032, "Error details are not available."},
        {12036, "The request failed because the handle already exists."},
        {12037, "Error details are not available."},
    };
    for (const auto& [code, text] : cases) EXPECT_EQ(InternetErrorText(code), text) << code;
}

}  // namespace
}  // namespace quill::test
