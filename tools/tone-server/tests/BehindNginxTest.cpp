#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>

#include "core/server/RequestCode.h"
#include "tests/ServerProcess.h"

namespace quill::toneserver::test {
namespace {

namespace fs = std::filesystem;

int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t size = sizeof a;
    bind(fd, reinterpret_cast<sockaddr*>(&a), size);
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
    close(fd);
    return ntohs(a.sin_port);
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("behind-nginx-" + std::to_string(getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

TEST(BehindNginx, TheReadmeConfigurationServesThroughEitherServer) {
    if (access("/usr/sbin/nginx", X_OK) != 0) GTEST_SKIP() << "nginx is not installed (scripts/bootstrap)";
    ToneServer first("--workers 1");
    const ToneServer second("--workers 1");
    const std::string readme = ReadFile(fs::path(SOURCE_DIR) / "README.md");
    const auto from = readme.find("```nginx\n");
    ASSERT_NE(from, std::string::npos);
    std::string site = readme.substr(from + 9, readme.find("```", from + 9) - from - 9);
    const std::string port = std::to_string(FreePort());
    Replace(site, "127.0.0.1:8081", "127.0.0.1:" + std::to_string(first.Port()));
    Replace(site, "127.0.0.1:8082", "127.0.0.1:" + std::to_string(second.Port()));
    Replace(site, "listen 8080;", "listen 127.0.0.1:" + port + ";");
    const TempDir dir;
    std::ofstream conf(dir.path / "nginx.conf");
    conf << "pid " << (dir.path / "nginx.pid").string() << ";\nevents {}\nhttp {\naccess_log off;\n";
    for (const char* temp : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        conf << temp << "_temp_path " << (dir.path / temp).string() << ";\n";
    conf << site << "}\n";
    conf.close();
    const Process nginx("/usr/sbin/nginx -p " + dir.path.string() + " -c " + (dir.path / "nginx.conf").string() +
                        " -e stderr -g 'daemon off; master_process off;'");

    httplib::Client client("127.0.0.1", std::stoi(port));
    client.set_read_timeout(20);
    std::string info;
    for (int i = 0; i < 250 && info.empty(); ++i, std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (auto res = client.Get("/util/skypething.php?Item=" + EncodeRequest(RequestText(0, {"anna", "GetHeader"}))))
            info = res->body;
    ASSERT_FALSE(info.empty()) << nginx.Output();
    EXPECT_NE(info.find("\r\nhttp://127.0.0.1:" + port + "/util/speech.php?Item=\r\n"), std::string::npos) << info;

    const auto speakAll = [&](const std::string& text) {
        for (int i = 0; i < 4; ++i) {
            auto res = client.Get("/util/speech.php?Item=" +
                                  EncodeRequest(RequestText(0, {"en+m3-8", "8", text + std::to_string(i)})));
            EXPECT_TRUE(res && res->status == 200 && res->body.substr(0, 4) == "RIFF") << text << i;
        }
    };
    speakAll("Hello ");
    // Both took a share, and one stops in order when told.
    EXPECT_NE(first.Output().find("/util/speech.php 200"), std::string::npos);
    EXPECT_NE(second.Output().find("/util/speech.php 200"), std::string::npos);
    EXPECT_EQ(first.Stop(std::chrono::seconds(5)), 0);
    speakAll("Still there ");
}

}  // namespace
}  // namespace quill::toneserver::test
