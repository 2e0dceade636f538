#pragma once
#include <string>
#include <vector>

#include "core/platform/Multimedia.h"
#include "core/platform/Process.h"
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
    unsigned result = 0;
    unsigned Send(const std::string& command, bool notify) override {
        commands.push_back({command, notify});
        return result;
    }
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
        for (unsigned char c : bytes) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
};

}  // namespace quill::test
