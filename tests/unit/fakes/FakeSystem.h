#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Unicode.h"
#include "core/platform/Mp3Decoder.h"
#include "core/platform/Multimedia.h"
#include "core/platform/Process.h"
#include "core/platform/Registry.h"
#include "core/platform/Shell.h"
#include "core/platform/TextCodec.h"

namespace quill::test {

class FakeMultimedia : public Multimedia {
public:
    struct Command {
        std::string text;
        bool notify;
    };
    std::vector<Command> commands;
    // The device's reply and result code by command; none: "" and 0.
    std::map<std::string, std::string> replies;
    std::map<std::string, unsigned> failures;
    std::string reply;
    std::function<void(const std::string&)> onSuccess;  // what the device does beside answering
    unsigned Send(const std::string& command, bool notify) override {
        commands.push_back({command, notify});
        auto it = replies.find(command);
        reply = it == replies.end() ? "" : it->second;
        auto failed = failures.find(command);
        if (failed == failures.end() && onSuccess) onSuccess(command);
        return failed == failures.end() ? 0 : failed->second;
    }
    std::string Reply() const override { return reply; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> r;
        for (auto& c : commands) r.push_back(c.text);
        return r;
    }
};

class FakeProcess : public Process {
public:
    std::string folder = "C:\\Quillares";
    bool another = false;
    std::string ProgramFolder() override { return folder; }
    bool AnotherInstanceRunning() override { return another; }
};

// Values by "key|value"; one longer than the buffer cannot be read, as with the system.
class FakeRegistry : public Registry {
public:
    std::map<std::string, std::string> values;
    std::optional<std::string> ReadUserString(const std::string& key, const std::string& value,
                                              std::size_t bufferBytes) override {
        auto it = values.find(key + "|" + value);
        if (it == values.end() || it->second.size() > bufferBytes) return std::nullopt;
        return it->second;
    }
};

class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    bool Open(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder) override {
        opened.push_back(verb + "|" + file + "|" + parameters + "|" + folder);
        return true;
    }
};

// Latin-1 stands in for the ANSI code page.
class FakeTextCodec : public TextCodec {
public:
    std::string AnsiToUtf8(std::string_view bytes) override {
        std::string out;
        for (unsigned char c : bytes) AppendUtf8(out, c);
        return out;
    }
    // Characters past Latin-1 become "?", as a code page without them would.
    std::string Utf8ToAnsi(std::string_view utf8) override {
        std::string out;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            auto c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if ((c & 0xE0) == 0xC0 && c <= 0xC3 && i + 1 < utf8.size()) {
                out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
            } else if ((c & 0xC0) != 0x80) {
                out += '?';
            }
        }
        return out;
    }
};

// Decodes to as much PCM as it may, of one repeated byte; refuses when told to.
struct FakeMp3Decoder : Mp3Decoder {
    bool refuse = false;
    Mp3Format format;
    std::string frames;
    std::optional<std::string> Decode(const Mp3Format& f, std::string_view in, std::size_t maxPcmBytes) override {
        format = f, frames = in;
        return refuse ? std::nullopt : std::optional<std::string>(std::string(maxPcmBytes, '\x11'));
    }
};

}  // namespace quill::test
