#pragma once
#include <string>

#include "core/base/Outcome.h"

namespace quill {
class Files;
class Log;
class TextCodec;
class ToneFiles;
class UiHost;
class clsHTTP;
struct LanguageTexts;
struct Shared;
}  // namespace quill

namespace quill::ui {

struct OptionsWindow;
class ServerCheck;

// The text to speak and the progress window that fetches one spoken tone, in the voice and
// from the address the server check found.
class ToneSynthesis {
public:
    struct Services {
        OptionsWindow& window;
        Files& files;
        Log& log;
        UiHost& ui;
        const LanguageTexts& texts;
        Shared& shared;
        ToneFiles& tones;
        TextCodec& codec;
        clsHTTP& http;
        const ServerCheck& server;
    };
    explicit ToneSynthesis(Services s) : s_(s) {}

    // SynthText for the contact at position num of contactNames, or the one shown when num is -1.
    void MakeSynText(int num);
    // SynthText with name in place of the placeholder.
    void MakeSynTextFor(const std::string& name);

    // The progress window for one synthesis into ProgramFolder + "tones\" + fileName, shown
    // modally; fileName then holds the full path. Done when a tone arrived.
    Outcome RunProgressWindow(bool isApplying, const std::string& applyingTo, std::string& fileName);

    // Generate's preview: the spoken text for the shown contact into "tmp.quilar".
    void SynthesizeTone();

    std::string SynthText;

private:
    Services s_;
};

}  // namespace quill::ui
