#pragma once
#include <string>
#include <vector>

#include "core/base/Outcome.h"

namespace quill {
class Files;
class Log;
class Settings;
class Shell;
class TextCodec;
class UiHost;
class clsHTTP;
struct LanguageTexts;
struct Shared;
struct ServerInfo;
}  // namespace quill

namespace quill::ui {

struct OptionsWindow;

// The tone server's information service: the program's version against the server's, the
// voices, the speech address and the web pages.
class ServerCheck {
public:
    struct Services {
        OptionsWindow& window;
        Files& files;
        Settings& settings;
        Log& log;
        UiHost& ui;
        Shell& shell;
        const LanguageTexts& texts;
        const Shared& shared;
        TextCodec& codec;
        clsHTTP& http;
    };
    explicit ServerCheck(Services s) : s_(s) {}

    // Fetches the server information file and applies it. ProgramEnds: an update is required, or
    // the server answered with nothing.
    Outcome ReadServerDB();
    // A transfer of the server client is under way.
    bool TransferBusy() const;

    bool ServerBusy = false;
    std::string SynthUrl;
    std::vector<std::string> VoiceIds;  // parallel to voices

private:
    Outcome CheckServer();
    void ApplyLinks(const ServerInfo& info);
    void OpenUpdatePage();
    // Where the information service answers, from the setting window/server.
    std::string InfoAddress();

    Services s_;
};

}  // namespace quill::ui
