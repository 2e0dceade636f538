#pragma once
#include <string>

namespace quill {
class Files;
class Recorder;
class Settings;
class ToneFiles;
struct Shared;
}  // namespace quill

namespace quill::ui {

class ToneList;
struct OptionsWindow;

// The selected contact and its tone kind: the contact's labels, the kind option, the kind's
// panel and the buttons it can use. Nothing here writes the contact's settings.
class ContactPanels {
public:
    struct Services {
        OptionsWindow& window;
        Settings& settings;
        Files& files;
        Shared& shared;
        ToneFiles& tones;
        ToneList& toneList;
        Recorder& recorder;
    };
    explicit ContactPanels(Services s) : s_(s) {}

    // Wires contactNames and kindOptions to the two handlers below.
    void Attach();
    // A click in the contact list.
    void SelectContact();
    // A click on kindOptions(kind), or its selection from code.
    void SwitchKind(int kind);

private:
    void ShowCatalogueTone(int contactKind, const std::string& handle);
    void ShowRecording(int contactKind, const std::string& handle);
    void ShowSynthesis(int contactKind, const std::string& handle);
    // Apply only while the warning frame is hidden.
    void EnableApplyIfLinked();

    Services s_;
};

}  // namespace quill::ui
