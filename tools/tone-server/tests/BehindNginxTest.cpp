#include <gtest/gtest.h>
#include <httplib.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/server/RequestCode.h"

namespace quill::toneserver::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

pid_t Spawn(std::vector<std::string> args, const fs::path& out) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

std::string Read(const fs::path& p) {
    std::ifstream in(p);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The exit code, or -1 when the process is still running after the wait.
int WaitFor(pid_t pid, std::chrono::milliseconds wait) {
    for (auto until = std::chrono::steady_clock::now() + wait; std::chrono::steady_clock::now() < until;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(20ms);
    }
    return -1;
}

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

class BehindNginx : public ::testing::Test {
protected:
    void TearDown() override {
        for (pid_t pid : pids_) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        fs::remove_all(dir_);
    }
    int StartToneServer(const std::string& name) {
        const fs::path out = dir_ / name;
        pids_.push_back(Spawn({TONE_SERVER, "--port", "0", "--workers", "1"}, out));
        for (int i = 0; i < 500; ++i) {
            const std::string text = Read(out);
            if (const auto at = text.find("listening on 127.0.0.1:"); at != std::string::npos && text.find('\n', at) != std::string::npos)
                return std::stoi(text.substr(at + 23));
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    fs::path dir_ = fs::temp_directory_path() / ("behind-nginx-" + std::to_string(getpid()));
    std::vector<pid_t> pids_;
};

TEST_F(BehindNginx, TheReadmeConfigurationServesThroughEitherServer) {
    if (access("/usr/sbin/nginx", X_OK) != 0) GTEST_SKIP() << "nginx is not installed (scripts/bootstrap)";
    fs::create_directories(dir_);
    const int first = StartToneServer("first.log"), second = StartToneServer("second.log");
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);

    const std::string readme = Read(fs::path(SOURCE_DIR) / "README.md");
    const auto from = readme.find("```nginx\n");
    ASSERT_NE(from, std::string::npos);
    std::string site = readme.substr(from + 9, readme.find("```", from + 9) - from - 9);
    const int port = FreePort();
    Replace(site, "127.0.0.1:8081", "127.0.0.1:" + std::to_string(first));
    Replace(site, "127.0.0.1:8082", "127.0.0.1:" + std::to_string(second));
    Replace(site, "listen 8080;", "listen 127.0.0.1:" + std::to_string(port) + ";");
    std::ofstream conf(dir_ / "nginx.conf");
    conf << "pid " << (dir_ / "nginx.pid").string() << ";\nevents {}\nhttp {\naccess_log off;\n";
    for (const char* temp : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        conf << temp << "_temp_path " << (dir_ / temp).string() << ";\n";
    conf << site << "}\n";
    conf.close();
    pids_.push_back(Spawn({"/usr/sbin/nginx", "-p", dir_.string(), "-c", (dir_ / "nginx.conf").string(), "-e", "stderr",
                           "-g", "daemon off; master_process off;"},
                          dir_ / "nginx.log"));

    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(20);
    std::string info;
    for (int i = 0; i < 250 && info.empty(); ++i, std::this_thread::sleep_for(20ms))
        if (auto res = client.Get("/util/skypething.php?Item=" + EncodeRequest(RequestText(0, {"anna", "GetHeader"}))))
            info = res->body;
    ASSERT_FALSE(info.empty()) << Read(dir_ / "nginx.log");
    std::istringstream lines(info);
    std::string line;
    for (int i = 0; i < 4; ++i) std::getline(lines, line);
    EXPECT_EQ(line, "http://127.0.0.1:" + std::to_string(port) + "/util/speech.php?Item=\r");

    const auto speakAll = [&](const std::string& text) {
        for (int i = 0; i < 4; ++i) {
            auto res = client.Get("/util/speech.php?Item=" +
                                  EncodeRequest(RequestText(0, {"en+m3-8", "8", text + std::to_string(i)})));
            EXPECT_TRUE(res && res->status == 200 && res->body.substr(0, 4) == "RIFF") << text << i;
        }
    };
    speakAll("Hello ");
    // Both took a share, and one stops in order when told.
    EXPECT_NE(Read(dir_ / "first.log").find("/util/speech.php 200"), std::string::npos);
    EXPECT_NE(Read(dir_ / "second.log").find("/util/speech.php 200"), std::string::npos);
    kill(pids_[0], SIGTERM);
    EXPECT_EQ(WaitFor(pids_[0], 5s), 0);
    pids_.erase(pids_.begin());
    speakAll("Still there ");
}

}  // namespace
}  // namespace quill::toneserver::test
