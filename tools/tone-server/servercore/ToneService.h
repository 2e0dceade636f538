#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "servercore/AnswerCache.h"
#include "servercore/WorkerPool.h"
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

// What the server answers, away from HTTP. Holds nothing between requests but the cache of
// spoken answers; the speech itself runs in the workers.
class ToneService {
public:
    ToneService(ServiceSettings settings, WorkerPool& workers, AnswerCache& cache)
        : settings_(std::move(settings)), workers_(workers), cache_(cache) {}

    // hostHeader: the host the client asked for; localHost: the address it reached.
    Reply Info(std::optional<std::string_view> item, std::string_view hostHeader,
               std::string_view localHost) const;
    // reply runs once: at once for a bad request or a cached answer, else on a worker's thread.
    void Speak(std::optional<std::string_view> item, std::function<void(Reply)> reply) const;
    // nullopt for a path that is none of the pages.
    std::optional<Reply> Page(std::string_view path) const;

private:
    ServiceSettings settings_;
    WorkerPool& workers_;
    AnswerCache& cache_;
};

}  // namespace quill::toneserver
