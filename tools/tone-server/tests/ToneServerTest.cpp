#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <future>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include "core/server/RequestCode.h"
#include "core/tones/LittleEndian.h"
#include "servercore/InfoFile.h"
#include "tests/RunningServer.h"

namespace quill::toneserver::test {
namespace {

const std::string kSixty = "Hello Anna, your friend is calling you now. Pick up: caf\xE9~ok";

std::string InfoPath(const std::string& item) { return std::string(kInfoPath) + "?Item=" + item; }
std::string SpeechPath(const std::string& item) { return std::string(kSpeechPath) + "?Item=" + item; }

std::string SpeechItem(const std::string& voice, const std::string& text) {
    return EncodeRequest(RequestText(4, {voice, RateForVoice(voice), text}));
}

std::vector<std::string> Lines(const std::string& body) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = body.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(body.substr(at, end - at));
    EXPECT_EQ(at, body.size()) << "the last line must end in CR LF";
    return lines;
}

std::uint32_t Le(const std::string& b, std::size_t at) { return static_cast<std::uint32_t>(DecodeInt32(b.substr(at, 4))); }

class ToneServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new RunningServer(); }
    static void TearDownTestSuite() { delete server; }

    static std::vector<std::string> Info(const httplib::Headers& headers = {}) {
        auto res = server->Client().Get(InfoPath(EncodeRequest(RequestText(7, {"anna", "GetHeader"}))).c_str(), headers);
        EXPECT_TRUE(res && res->status == 200);
        return res ? Lines(res->body) : std::vector<std::string>{};
    }

    static RunningServer* server;
};
RunningServer* ToneServerTest::server = nullptr;

TEST_F(ToneServerTest, InformationFileOffersRealVoicesAndAddressesTheClientCanReach) {
    const auto lines = Info({{"Host", "tones.lan:8000"}});
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[0], "2.1");
    EXPECT_EQ(lines[1], "no");
    EXPECT_EQ(lines[3], "http://tones.lan:8000/util/speech.php?Item=");
    const std::size_t n = std::stoul(lines[5]);
    ASSERT_GE(n, 2u);
    ASSERT_EQ(lines.size(), 12 + 2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& name = lines[6 + 2 * i];
        const std::string& id = lines[7 + 2 * i];
        EXPECT_NE(name.find(RateForVoice(id) + " kHz"), std::string::npos) << name << " / " << id;
    }
    // Every page it names is served here.
    for (std::size_t line : {6 + 2 * n, 7 + 2 * n, 9 + 2 * n, 11 + 2 * n}) {
        const std::string prefix = "http://tones.lan:8000/";
        ASSERT_EQ(lines[line].rfind(prefix, 0), 0u) << lines[line];
        auto page = server->Client().Get(("/" + lines[line].substr(prefix.size())).c_str());
        ASSERT_TRUE(page);
        EXPECT_EQ(page->status, 200) << lines[line];
        EXPECT_NE(page->body.find("<h1>"), std::string::npos);
    }
    // A host that cannot be an address gives way to the one the request came in on.
    EXPECT_EQ(Info({{"Host", "bad host/x"}})[3],
              "http://127.0.0.1:" + std::to_string(server->Port()) + "/util/speech.php?Item=");
}

TEST_F(ToneServerTest, BadRequestsGetAShortPlainTextAndALogLine) {
    const std::string voice = Info()[7];
    const std::string good = SpeechItem(voice, "Hi");
    struct Case {
        std::string path;
        int status;
        std::string text;
    } cases[] = {
        {kSpeechPath, 400, "Bad request: no Item."},
        {SpeechPath(good.substr(1)), 400, "Bad request: odd number of code letters."},  // the decoder's reason
        {SpeechPath(EncodeRequest("QTAG~Hi~")), 400, "Bad request: too few fields."},
        {SpeechPath(std::string(kMaxItemLetters + 2, 'K')), 400, "Bad request: too long."},
        {SpeechPath(SpeechItem("xx-16", "Hi")), 404, "Unknown voice."},
        {SpeechPath(EncodeRequest(RequestText(0, {voice, "22", "Hi"}))), 400, "Bad request: the rate must be 8 or 16."},
        {SpeechPath(SpeechItem(voice, "  \r\n ")), 400, "No text to speak."},
        {SpeechPath(SpeechItem(voice, std::string(kMaxTextBytes + 1, 'a'))), 400,
         "The text is too long: at most 512 characters."},
        {InfoPath(EncodeRequest(RequestText(0, {"anna", "GetAll"}))), 400, "Unknown command."},
        {InfoPath("KK"), 400, "Bad request: no request tag."},
        {"/util/other.php", 404, "Not found."},
    };
    for (const auto& c : cases) {
        auto res = server->Client().Get(c.path.c_str());
        ASSERT_TRUE(res) << c.path;
        EXPECT_EQ(res->status, c.status) << c.text;
        EXPECT_EQ(res->body, c.text);
        EXPECT_LT(res->body.size(), kErrorTextLimit);
        EXPECT_EQ(res->get_header_value("Content-Type"), "text/plain");
    }
    // Workers log after answering, so the lines may come late and in any order.
    for (const auto& c : cases) {
        const std::string line = " " + std::to_string(c.status) + " " + std::to_string(c.text.size()) + " bytes \"" +
                                 c.text + "\"";
        EXPECT_TRUE(server->WaitForLogLine(line)) << line;
    }
}

// Each answer a voiced 16-bit mono PCM WAVE at its voice's rate, of a few seconds.
std::string WaveFault(const std::string& voice, const std::string& w) {
    const std::uint32_t rate = RateForVoice(voice) == "16" ? 16000 : 8000;
    if (w.size() <= 44 || w.substr(0, 4) != "RIFF" || Le(w, 4) != w.size() - 8 || w.substr(8, 8) != "WAVEfmt " ||
        Le(w, 20) != 0x10001 || Le(w, 24) != rate || (Le(w, 34) & 0xFFFF) != 16 || w.substr(36, 4) != "data" ||
        Le(w, 40) != w.size() - 44)
        return "not a 16-bit mono PCM WAVE at " + std::to_string(rate) + " Hz";
    const double samples = (w.size() - 44) / 2.0, seconds = samples / rate;
    double energy = 0;
    for (std::size_t i = 44; i + 1 < w.size(); i += 2)
        energy += std::pow(static_cast<std::int16_t>(static_cast<unsigned char>(w[i]) | w[i + 1] << 8), 2);
    if (seconds < 2 || seconds > 10) return "lasts " + std::to_string(seconds) + " s";
    return std::sqrt(energy / samples) > 500 ? "" : "near silence";
}

TEST_F(ToneServerTest, ConcurrentRequestsAllGetAVoicedWaveAtTheirRateInBoundedTime) {
    const auto lines = Info();
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::future<std::string>> answers;
    for (int i = 0; i < 24; ++i)
        answers.push_back(std::async(std::launch::async, [&, i] {
            const std::string& voice = lines[7 + 2 * (i % 4)];
            auto res = server->Client().Get(SpeechPath(SpeechItem(voice, kSixty)).c_str());
            return !res ? "no answer" : res->status != 200 ? res->body : WaveFault(voice, res->body);
        }));
    for (auto& a : answers) EXPECT_EQ(a.get(), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(ToneServerTest, ACrashingTextCostsOneAnswerAndTheNextIsServed) {
    const std::string voice = Info()[7];  // English
    std::string crashing;
    for (int i = 0; i < 100; ++i) crashing += "s'";
    const auto restarts = server->Pool().Restarts();
    auto res = server->Client().Get(SpeechPath(SpeechItem(voice, crashing)).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 503);
    EXPECT_EQ(res->body, "Speech failed: the speech engine stopped. Try again.");
    EXPECT_EQ(server->Pool().Restarts(), restarts + 1);
    for (int i = 0; i < 2; ++i) {  // the second is the cache's
        res = server->Client().Get(SpeechPath(SpeechItem(voice, "Still here")).c_str());
        ASSERT_TRUE(res);
        EXPECT_EQ(res->body.substr(0, 4), "RIFF");
    }
    EXPECT_EQ(server->Client().Get("/healthz")->status, 200);
    const std::string metrics = server->Client().Get("/metrics")->body;
    EXPECT_NE(metrics.find("tone_server_worker_restarts_total " + std::to_string(restarts + 1) + "\n"), std::string::npos);
    for (const char* none : {"tone_server_cache_hits_total 0\n", "tone_server_errors_total{path=\"/util/speech.php\"} 0\n",
                             "tone_server_open_connections 0\n"})
        EXPECT_EQ(metrics.find(none), std::string::npos) << none;
}

TEST(ToneServerPaced, PacedAnswersArriveWholeButLate) {
    struct Case {
        Pacing pacing;
        std::string path, body;
        int minMs;
    } cases[] = {
        {SlowPacing(300), InfoPath(EncodeRequest(RequestText(0, {"anna", "GetHeader"}))), "2.2\r\n", 300},
        {TricklePacing(30), "/nowhere", "Not found.", 300},
    };
    for (const auto& c : cases) {
        RunningServer paced(c.pacing, "2.2");
        const auto start = std::chrono::steady_clock::now();
        auto res = paced.Client().Get(c.path.c_str());
        ASSERT_TRUE(res);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(c.minMs));
        EXPECT_EQ(res->body.substr(0, c.body.size()), c.body);
        EXPECT_EQ(res->get_header_value("Content-Length"), std::to_string(res->body.size()));
    }
}

// What a raw client gets back before the server closes on it.
std::string Exchange(int port, const std::string& request, int pauseMs) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{AF_INET, htons(static_cast<std::uint16_t>(port)), {htonl(INADDR_LOOPBACK)}, {}};
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return "no connection";
    for (char c : request) {
        if (send(fd, &c, 1, MSG_NOSIGNAL) != 1) break;
        if (pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    }
    std::string answer;
    char buf[4096];
    for (ssize_t n; (n = recv(fd, buf, sizeof buf, 0)) > 0;) answer.append(buf, n);
    close(fd);
    return answer;
}

TEST(ToneServerBounds, OversizedOrLateRequestsAreCutOff) {
    HttpLimits limits;
    limits.requestDeadline = std::chrono::milliseconds(400);
    RunningServer bounded({}, "2.1", limits);
    std::string manyHeaders = "GET / HTTP/1.1\r\n";
    for (int i = 0; i < 100; ++i) manyHeaders += "X-" + std::to_string(i) + ": 1\r\n";
    struct Case {
        std::string request;
        int pauseMs;
        std::string answerStart;
    } cases[] = {
        {"GET / HTTP/1.1\r\nX: " + std::string(40000, 'x') + "\r\n\r\n", 0, "HTTP/1.1 431"},
        {manyHeaders + "\r\n", 0, "HTTP/1.1 431"},
        {"GET / HTTP/1.1\r\nHost: slow\r\n\r\n", 100, ""},  // past its deadline
    };
    for (const auto& c : cases) EXPECT_EQ(Exchange(bounded.Port(), c.request, c.pauseMs).substr(0, c.answerStart.size()), c.answerStart);
    EXPECT_TRUE(bounded.WaitForLogLine("at their deadline"));
}

}  // namespace
}  // namespace quill::toneserver::test
