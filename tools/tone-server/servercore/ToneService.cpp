#include "servercore/ToneService.h"

#include <algorithm>

#include "core/base/Text.h"
#include "core/server/RequestCode.h"
#include "servercore/InfoFile.h"
#include "servercore/SpeakableText.h"
#include "servercore/SpeechJob.h"

namespace quill::toneserver {
namespace {

Reply Error(int status, std::string text) { return {status, "text/plain", std::move(text)}; }

// Undoes the request code, within bounds; on failure the reply to send instead.
std::optional<Reply> Decode(std::optional<std::string_view> item, std::size_t fields,
                            DecodedRequest& out) {
    if (!item) return Error(400, "Bad request: no Item.");
    if (item->size() > kMaxItemLetters) return Error(400, "Bad request: too long.");
    out = DecodeRequest(*item, fields);
    if (!out.error.empty()) return Error(400, "Bad request: " + out.error + ".");
    return std::nullopt;
}

bool IsHostChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '.' || c == '-' || c == ':' || c == '[' || c == ']';
}

std::string Html(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head>\n<body><h1>" + title + "</h1>\n" + body + "\n</body></html>\n";
}

// Behind a load balancer the add-on must come back through it, so the addresses we hand out
// follow the host it asked for.
std::string Origin(std::string_view hostHeader, std::string_view localHost) {
    const bool usable = !hostHeader.empty() && hostHeader.size() <= 261 &&
                        std::all_of(hostHeader.begin(), hostHeader.end(), IsHostChar);
    return "http://" + std::string(usable ? hostHeader : localHost);
}

}  // namespace

Reply ToneService::Info(std::optional<std::string_view> item, std::string_view hostHeader,
                        std::string_view localHost) const {
    DecodedRequest r;
    if (auto bad = Decode(item, 2, r)) return *bad;
    if (r.fields[1] != "GetHeader") return Error(400, "Unknown command.");
    return {200, "text/plain",
            BuildInfoFile({settings_.version, settings_.updateRequired, Origin(hostHeader, localHost),
                           settings_.voices})};
}

void ToneService::Speak(std::optional<std::string_view> item, std::function<void(Reply)> reply) const {
    DecodedRequest r;
    if (auto bad = Decode(item, 3, r)) return reply(*bad);
    const Voice* voice = FindVoice(settings_.voices, r.fields[0]);
    if (voice == nullptr) return reply(Error(404, "Unknown voice."));
    const std::string& rate = r.fields[1];
    if (rate != "8" && rate != "16") return reply(Error(400, "Bad request: the rate must be 8 or 16."));
    const std::string& text = r.fields[2];
    if (text.size() > kMaxTextBytes)
        return reply(Error(400, "The text is too long: at most " + std::to_string(kMaxTextBytes) + " characters."));
    const std::string utf8 = SpeakableUtf8(text);
    if (Trim(utf8).empty()) return reply(Error(400, "No text to speak."));

    const SpeechJob job{voice->engineName, rate == "16" ? 16000 : 8000, utf8};
    std::string key = EncodeSpeechJob(job);
    if (auto wave = cache_.Find(key)) return reply({200, "audio/wav", std::move(*wave)});
    workers_.Submit(key, [this, key, reply = std::move(reply)](WorkerPool::Result result) {
        SpokenWave spoken = DecodeSpokenWave(result);
        using O = SpokenWave::Outcome;
        switch (spoken.outcome) {
            case O::Spoken: break;
            case O::TooLong:
                return reply(Error(400, "The text takes too long to speak: at most " +
                                            std::to_string(kMaxSpeechSeconds) + " seconds."));
            case O::EngineDied: return reply(Error(503, "Speech failed: the speech engine stopped. Try again."));
            case O::EngineTimedOut: return reply(Error(503, "Speech failed: it took too long. Try again."));
            case O::Stopped: return reply(Error(503, "The server is stopping. Try again."));
            case O::Failed: return reply(Error(500, "Speech failed."));
        }
        // A shorter answer would be taken for an error text.
        if (spoken.wave.size() <= kErrorTextLimit) return reply(Error(400, "Nothing to speak in this text."));
        cache_.Keep(key, spoken.wave);
        reply({200, "audio/wav", std::move(spoken.wave)});
    });
}

std::optional<Reply> ToneService::Page(std::string_view path) const {
    std::string title;
    std::string body;
    if (path == kHomePage) {
        title = "Quillares tone server";
        body = "<p>Speaks ringtones for Quillares in " + std::to_string(settings_.voices.size()) +
               " voices.</p>\n<ul>";
        for (const Voice& v : settings_.voices) body += "<li>" + v.displayName + "</li>";
        body += "</ul>\n<p><a href=\"/guide\">User guide</a> &middot; <a href=\"/update\">Update</a>"
                " &middot; <a href=\"/ringtones\">Ringtones</a></p>";
    } else if (path == kUpdatePage) {
        title = "Quillares update";
        body = "<p>The newest version is " + settings_.version + ".</p>";
        if (settings_.updateRequired) body += "\n<p>This version is required.</p>";
    } else if (path == kGuidePage) {
        title = "Quillares user guide";
        body = "<p>Open the options window from the tray icon, choose a contact, type a text, "
               "pick a voice and press Generate to hear it; Apply makes it the contact's "
               "ringtone. \"CONTACT\" in the text is replaced by the contact's name.</p>";
    } else if (path == kRingtonesPage) {
        title = "Ringtones";
        body = "<p>Any WAVE file in the tones folder beside Quillares.exe appears in the "
               "catalogue, as do Skype's own tone files.</p>";
    } else {
        return std::nullopt;
    }
    return Reply{200, "text/html; charset=utf-8", Html(title, body)};
}

}  // namespace quill::toneserver
