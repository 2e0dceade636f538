#pragma once
#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace quill::toneserver::test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Polls until done() holds; false when the wait ran out first.
template <class Done>
bool Within(std::chrono::milliseconds wait, Done done) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// A shell command line running in the background for the life of the object, its output in a file.
class Process {
public:
    explicit Process(const std::string& command)
        : out_(std::filesystem::temp_directory_path() /
               ("process-" + std::to_string(getpid()) + "-" + std::to_string(++count_))) {
        const std::string line = "exec " + command + " >" + out_.string() + " 2>&1";  // made before the fork
        if ((pid_ = fork()) == 0) {
            execl("/bin/sh", "sh", "-c", line.c_str(), nullptr);
            _exit(127);
        }
    }
    ~Process() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::filesystem::remove(out_);
    }

    std::string Output() const { return ReadFile(out_); }
    // The first whole output line that holds part, from part on; empty when none came in time.
    std::string WaitFor(const std::string& part, std::chrono::milliseconds wait = std::chrono::seconds(10)) const {
        std::string line;
        Within(wait, [&] {
            const std::string text = Output();
            const auto at = text.find(part), end = text.find('\n', at);
            if (at != std::string::npos && end != std::string::npos) line = text.substr(at, end - at);
            return !line.empty();
        });
        return line;
    }
    // SIGTERM; the exit code, or -1 when the process still runs after the wait.
    int Stop(std::chrono::milliseconds wait) {
        kill(pid_, SIGTERM);
        int status = 0;
        if (!Within(wait, [&] { return waitpid(pid_, &status, WNOHANG) == pid_; })) return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    }

private:
    static inline int count_ = 0;
    std::filesystem::path out_;
    pid_t pid_ = -1;
};

// This build's tone-server on a free loopback port.
class ToneServer : public Process {
public:
    explicit ToneServer(const std::string& options = "") : Process(TONE_SERVER " --port 0 " + options) {
        const std::string line = WaitFor("listening on 127.0.0.1:");
        if (line.empty()) throw std::runtime_error("tone-server did not start: " + Output());
        port_ = std::stoi(line.substr(23));
    }

    int Port() const { return port_; }
    httplib::Client Client() const {
        httplib::Client c("127.0.0.1", port_);
        c.set_read_timeout(20);
        return c;
    }

private:
    int port_ = -1;
};

}  // namespace quill::toneserver::test
