#pragma once
#include <memory>
#include <string>
#include <vector>

namespace quill {
class Files;
class Log;
class Settings;
class Shell;
class TextCodec;
class ToneFiles;
class UiHost;
class clsHTTP;
struct LanguageTexts;
struct Shared;
struct ServerInfo;
}  // namespace quill

namespace quill::ui {

struct OptionsWindow;

// The tone server as the options window uses it: the server check with its voices and
// pages, the text to speak, and the progress window that fetches one spoken tone.
class ToneSynthesis {
public:
    struct Services {
        OptionsWindow& window;
        Files& files;
        Settings& settings;
        Log& log;
        UiHost& ui;
        Shell& shell;
        const LanguageTexts& texts;
        Shared& shared;
        ToneFiles& tones;
        TextCodec& codec;
        // The options window's server client; empty before start-up and after shutdown.
        std::unique_ptr<clsHTTP>& http;
    };
    explicit ToneSynthesis(Services s) : s_(s) {}

    // Fetches the server information file and applies it. true: the program must close (an
    // update is required, or the server answered with nothing).
    bool ReadServerDB();
    // A transfer of the server client is under way.
    bool TransferBusy() const;

    // SynthText for the contact at position num of contactNames, or the one shown when num is -1.
    void MakeSynText(int num);
    // SynthText with name in place of the placeholder.
    void MakeSynTextFor(const std::string& name);

    // The progress window for one synthesis into ProgramFolder + "tones\" + fileName, shown
    // modally; fileName then holds the full path. true when a tone arrived (SynthesisDone).
    bool RunProgressWindow(bool isApplying, const std::string& applyingTo, std::string& fileName);

    // Generate's preview: the spoken text for the shown contact into "tmp.quilar".
    void SynthesizeTone();

    bool ServerBusy = false;
    std::string SynthUrl;
    std::vector<std::string> VoiceIds;  // parallel to voices
    std::string SynthText;
    bool SynthesisDone = false;

private:
    friend class ProgressWindow;
    bool CheckServer();
    void ApplyLinks(const ServerInfo& info);
    void OpenUpdatePage();
    // Where the information service answers, from the setting window/server.
    std::string InfoAddress();

    Services s_;
};

}  // namespace quill::ui
