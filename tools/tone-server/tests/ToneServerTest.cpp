#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>

#include <atomic>
#include <cmath>
#include <future>
#include <tuple>

#include "core/server/RequestCode.h"
#include "core/server/ServerInfoFile.h"
#include "core/tones/PcmWave.h"
#include "servercore/InfoFile.h"
#include "servercore/ToneHttpServer.h"
#include "tests/ServerProcess.h"

namespace quill::toneserver::test {
namespace {

std::string InfoPath(const std::string& item) { return std::string(kInfoPath) + "?Item=" + item; }
std::string SpeechPath(const std::string& item) { return std::string(kSpeechPath) + "?Item=" + item; }

std::string SpeechItem(const std::string& voice, const std::string& text) {
    return EncodeRequest(RequestText(4, {voice, RateForVoice(voice), text}));
}

// The information file as the add-on reads it.
ServerInfo Info(const ToneServer& server, const httplib::Headers& headers = {}) {
    auto res = server.Client().Get(InfoPath(EncodeRequest(RequestText(7, {"anna", "GetHeader"}))), headers);
    EXPECT_TRUE(res && res->status == 200);
    if (!res) return {};
    EXPECT_EQ(InfoFileLines(res->body).size(), 12 + 2 * ReadServerInfo(res->body).voices.size());
    EXPECT_TRUE(res->body.ends_with("\r\n"));
    return ReadServerInfo(res->body);
}

TEST(ToneServerTest, InformationFileOffersRealVoicesAndAddressesTheClientCanReach) {
    const ToneServer server;
    const ServerInfo info = Info(server, {{"Host", "tones.lan:8000"}});
    EXPECT_EQ(info.version, "2.1");
    EXPECT_EQ(info.updateRequired, "no");
    EXPECT_EQ(info.synthUrl, "http://tones.lan:8000/util/speech.php?Item=");
    EXPECT_GE(info.voices.size(), 2u);
    for (const auto& voice : info.voices)
        EXPECT_NE(voice.name.find(RateForVoice(voice.id) + " kHz"), std::string::npos) << voice.name << voice.id;
    // Every page it names is served here.
    for (const auto& address : {info.web, info.webupdate, info.webguide, info.skypetones}) {
        const std::string prefix = "http://tones.lan:8000/";
        ASSERT_EQ(address.value_or("").rfind(prefix, 0), 0u) << address.value_or("(none)");
        auto page = server.Client().Get("/" + address->substr(prefix.size()));
        ASSERT_TRUE(page);
        EXPECT_EQ(page->status, 200) << *address;
        EXPECT_NE(page->body.find("<h1>"), std::string::npos);
    }
    // A host that cannot be an address gives way to the one the request came in on.
    EXPECT_EQ(Info(server, {{"Host", "bad host/x"}}).synthUrl,
              "http://127.0.0.1:" + std::to_string(server.Port()) + "/util/speech.php?Item=");
}

TEST(ToneServerTest, BadRequestsGetAShortPlainTextAndALogLine) {
    const ToneServer server;
    const std::string voice = Info(server).voices.at(0).id;
    const std::string good = SpeechItem(voice, "Hi");
    const std::tuple<std::string, int, std::string> cases[] = {
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
    for (const auto& [path, status, text] : cases) {
        auto res = server.Client().Get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_EQ(res->status, status) << text;
        EXPECT_EQ(res->body, text);
        EXPECT_LT(res->body.size(), kErrorTextLimit);
        EXPECT_EQ(res->get_header_value("Content-Type"), "text/plain");
        // The line is written after the answer, so it may come a little later.
        const std::string line = std::to_string(status) + " " + std::to_string(text.size()) + " bytes \"" + text + "\"";
        EXPECT_NE(server.WaitFor(" " + line), "") << line;
    }
}

// Each answer a voiced 16-bit mono PCM WAVE at its voice's rate, of a few seconds.
std::string WaveFault(const std::string& voice, const std::string& w) {
    const int rate = RateForVoice(voice) == "16" ? 16000 : 8000;
    if (w.size() <= 44 || PcmWave(rate, 1, w.substr(44)) != w)
        return "not a 16-bit mono PCM WAVE at " + std::to_string(rate) + " Hz";
    const double samples = (w.size() - 44) / 2.0, seconds = samples / rate;
    double energy = 0;
    for (std::size_t i = 44; i + 1 < w.size(); i += 2)
        energy += std::pow(static_cast<std::int16_t>(static_cast<unsigned char>(w[i]) | w[i + 1] << 8), 2);
    if (seconds < 2 || seconds > 10) return "lasts " + std::to_string(seconds) + " s";
    return std::sqrt(energy / samples) > 500 ? "" : "near silence";
}

TEST(ToneServerTest, ConcurrentRequestsAllGetAVoicedWaveAtTheirRateInBoundedTime) {
    const ToneServer server("--workers 2");
    const auto voices = Info(server).voices;
    const std::string sixty = "Hello Anna, your friend is calling you now. Pick up: caf\xE9~ok";
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::future<std::string>> answers;
    for (int i = 0; i < 24; ++i)
        answers.push_back(std::async(std::launch::async, [&, i] {
            const std::string& voice = voices.at(i % 4).id;
            auto res = server.Client().Get(SpeechPath(SpeechItem(voice, sixty)));
            return !res ? "no answer" : res->status != 200 ? res->body : WaveFault(voice, res->body);
        }));
    for (auto& a : answers) EXPECT_EQ(a.get(), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(ToneServerTest, ACrashingTextCostsOneAnswerAndTheNextIsServed) {
    const ToneServer server;
    const std::string voice = Info(server).voices.at(0).id;  // English
    std::string crashing;
    for (int i = 0; i < 100; ++i) crashing += "s'";
    auto res = server.Client().Get(SpeechPath(SpeechItem(voice, crashing)));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 503);
    EXPECT_EQ(res->body, "Speech failed: the speech engine stopped. Try again.");
    for (int i = 0; i < 2; ++i) {  // the second is the cache's
        res = server.Client().Get(SpeechPath(SpeechItem(voice, "Still here")));
        ASSERT_TRUE(res);
        EXPECT_EQ(res->body.substr(0, 4), "RIFF");
    }
    EXPECT_EQ(server.Client().Get("/healthz")->status, 200);
    const std::string metrics = server.Client().Get("/metrics")->body;
    EXPECT_NE(metrics.find("tone_server_worker_restarts_total 1\n"), std::string::npos);
    for (const char* none : {"tone_server_cache_hits_total 0\n", "tone_server_open_connections 0\n",
                             "tone_server_errors_total{path=\"/util/speech.php\"} 0\n"})
        EXPECT_EQ(metrics.find(none), std::string::npos) << none;
}

TEST(ToneServerPaced, PacedAnswersArriveWholeButLate) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"--slow-ms 300 --version 2.2", InfoPath(EncodeRequest(RequestText(0, {"anna", "GetHeader"}))), "2.2\r\n"},
        {"--trickle-ms 30", "/nowhere", "Not found."},
    };
    for (const auto& [options, path, body] : cases) {
        const ToneServer paced(options);
        const auto start = std::chrono::steady_clock::now();
        auto res = paced.Client().Get(path);
        ASSERT_TRUE(res);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
        EXPECT_EQ(res->body.substr(0, body.size()), body);
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

// In-process, for a deadline short enough to wait for.
TEST(ToneServerBounds, OversizedOrLateRequestsAreCutOff) {
    WorkerPool pool(1, std::chrono::seconds(1), [](std::string_view) { return std::string(); });
    AnswerCache cache(0);
    const ToneService service({"2.1", false, {}}, pool, cache);
    HttpLimits limits;
    limits.requestDeadline = std::chrono::milliseconds(400);
    std::atomic<bool> cut{false};
    ToneHttpServer http(service, pool, cache, {}, limits, [&cut](const std::string& line) {
        if (line.find("at their deadline") != std::string::npos) cut = true;
    });
    const int port = http.Start("127.0.0.1", 0);
    std::string manyHeaders = "GET / HTTP/1.1\r\n";
    for (int i = 0; i < 100; ++i) manyHeaders += "X-" + std::to_string(i) + ": 1\r\n";
    const std::tuple<std::string, int, std::string> cases[] = {  // request, ms between its bytes, answer
        {"GET / HTTP/1.1\r\nX: " + std::string(40000, 'x') + "\r\n\r\n", 0, "HTTP/1.1 431"},
        {manyHeaders + "\r\n", 0, "HTTP/1.1 431"},
        {"GET / HTTP/1.1\r\nHost: slow\r\n\r\n", 100, ""},  // past its deadline
    };
    for (const auto& [request, pauseMs, answerStart] : cases)
        EXPECT_EQ(Exchange(port, request, pauseMs).substr(0, answerStart.size()), answerStart);
    EXPECT_TRUE(Within(std::chrono::seconds(1), [&cut] { return cut.load(); }));
    http.Stop(std::chrono::milliseconds(0));
    pool.Stop();
}

}  // namespace
}  // namespace quill::toneserver::test
