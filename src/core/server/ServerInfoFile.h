#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// A CR LF pair or a lone CR ends a line; a lone LF stays part of its line. A last line
// without an end still counts.
std::vector<std::string> InfoFileLines(std::string_view text);

// The server information file, line by line. A value the file lacks is nullopt, so the
// program keeps what it had.
struct ServerInfo {
    static constexpr std::size_t kMaxVoices = 255;
    struct Voice {
        std::string name, id;
    };
    std::optional<std::string> version;         // line 1: the newest program version
    std::optional<std::string> updateRequired;  // line 2, in lower case: "yes" demands the update
    std::optional<std::string> note;            // line 3, for the log
    std::optional<std::string> synthUrl;        // line 4: the speech service's address prefix
    std::vector<Voice> voices;                  // display name and identifier, at most kMaxVoices
    std::optional<std::string> web, webupdate, webguide, skypetones;
};

ServerInfo ReadServerInfo(std::string_view text);

}  // namespace quill
