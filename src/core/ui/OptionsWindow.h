#pragma once
#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/base/Command.h"
#include "core/ui/Controls.h"
#include "core/ui/PicButton.h"

namespace quill::ui {

// The options window (form) as the program reads and writes it. Geometry is in twips, each
// control placed inside its container: the window, a kind panel or the top bar.
struct OptionsWindow {
    static constexpr int kKinds = 4;
    static constexpr int kButtons = kCommands;
    static constexpr int kTopBar = kKinds;  // container number of the top bar
    static constexpr std::size_t kMaxSynthChars = 512;

    OptionsWindow();

    // The panel (0 to 3) or kTopBar that holds the button of command c.
    static int ButtonContainer(Command c);
    // kindPanels(k) or topBar.
    Control& Container(int container);

    Form form{"Form1"};
    // The warning panel, out of view until a send fails.
    Control warningPanel{"Frame1"};
    Control warning{"lblWarning"};
    Control heading{"Label1"};
    ListBox contactNames{"List1"};  // display names, shown
    ListBox contactHandles{"List3"};  // handles, hidden
    Control subheading{"Label2"};
    Control contactName{"lblContactName"};
    Control contactHandle{"lblContactID"};
    Control notice{"Label3"};
    std::array<OptionButton, kKinds> kindOptions;

    // The kind panels, one shown at a time, sharing one background picture.
    std::array<PictureArea, kKinds> kindPanels;
    std::array<Control, kKinds> panelTitles;
    ListBox toneTitles{"List2"};  // catalogue titles
    ListBox toneFiles{"List4"};  // their files, hidden
    Control tonesLink{"lnk4"};
    Control recordingFrame{"Shape1"};          // frame of the recording bar
    Control recordingBar{"lblProgress"};  // the bar itself
    Control recordingTime{"lblProgress2"};
    Control synthesisPrompt{"Label4"};
    TextBox synthesisText{"txtSyn", kMaxSynthChars};
    ComboBox voices{"cmdGender"};

    Control topBar{"Picture3"};  // the top bar
    // Under the buttons of Exit, Minimize, Help, Events and Apply, in that order.
    std::array<Control, 5> buttonLabels;
    Control applyReminder{"lblAttention"};

    // The button of command n is buttonFaces(n-1) with blindButtons(n-1).
    std::array<PictureArea, kButtons> buttonFaces;
    std::array<Control, kButtons> blindButtons;
    // Made by LoadLanguage, released at shutdown.
    std::unique_ptr<CPicButton> buttons;
    void ReleasePictureButtons() { buttons.reset(); }

    Timer tickTimer{"Timer1", 50, true};
    Timer pingTimer{"Timer2", 5000, false};

    // The tray menu mnuCtx: Options, a separator, Exit.
    std::vector<std::string> MenuCaptions{"Options", "-", "Exit"};
    static constexpr int kMenuOptions = 0;
    static constexpr int kMenuExit = 2;

    // Enable and Disable of the picture-button set; nothing before the set is made.
    void Enable(std::initializer_list<Command> commands);
    void Disable(std::initializer_list<Command> commands);
    ui::ButtonState ButtonState(Command c) const { return buttons ? buttons->State(ButtonOf(c)) : kNormal; }

    // Sets kindOptions(kind) and clears the others; only a change raises its click.
    void SelectKind(int kind);
    // The index of the first set kindOptions, 0 when none is.
    int ChosenKind() const;
    // Every control, for an adapter that treats them alike.
    std::vector<Control*> All();

private:
    void Layout();
};

}  // namespace quill::ui
