#pragma once
#include <string>
#include <vector>

namespace quill::toneserver {

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 8080;  // 0: any free port
    std::string version;  // empty: the add-on's own version, so no update is offered
    bool updateRequired = false;
    int slowMs = 0;  // pause before each block of an answer
    int trickleMs = 0;  // send every answer one byte every this many ms
};

struct ParsedOptions {
    ServerOptions options;
    std::string error;  // empty when the command line is good
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "usage: tone-server [--host H] [--port N] [--version V] [--update-required] [--slow-ms N] [--trickle-ms N]";

}  // namespace quill::toneserver
