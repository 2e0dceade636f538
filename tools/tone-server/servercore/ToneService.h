#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "servercore/SpeechEngine.h"
#include "servercore/VoiceCatalogue.h"

namespace quill::toneserver {

inline constexpr std::size_t kMaxTextBytes = 512;
// Room for the lead blanks, the tag, a voice, a rate and the longest text, two letters each.
inline constexpr std::size_t kMaxItemLetters = 2 * 1024;
inline constexpr int kMaxSpeechSeconds = 60;
// The add-on takes an answer of up to this many bytes for an error text.
inline constexpr std::size_t kErrorTextLimit = 1000;

struct Reply {
    int status = 200;
    std::string contentType = "text/plain";
    std::string body;
};

struct ServiceSettings {
    std::string version;
    bool updateRequired = false;
    std::vector<Voice> voices;
};

// What the server answers, away from HTTP. Holds nothing that changes between requests.
class ToneService {
public:
    ToneService(ServiceSettings settings, SpeechEngine& engine)
        : settings_(std::move(settings)), engine_(engine) {}

    // hostHeader: the host the client asked for; localHost: the address it reached.
    Reply Info(std::optional<std::string_view> item, std::string_view hostHeader,
               std::string_view localHost) const;
    Reply Speak(std::optional<std::string_view> item) const;
    // nullopt for a path that is none of the pages.
    std::optional<Reply> Page(std::string_view path) const;

private:
    ServiceSettings settings_;
    SpeechEngine& engine_;
};

}  // namespace quill::toneserver
