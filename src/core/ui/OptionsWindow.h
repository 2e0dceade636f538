#pragma once
#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ui/Controls.h"
#include "core/ui/PicButton.h"

namespace quill::ui {

// The options window (Form1) as the program reads and writes it. Geometry is in twips, each
// control placed inside its container: the window, a kind panel or the top bar.
struct OptionsWindow {
    static constexpr int kKinds = 4;
    static constexpr int kButtons = 16;
    static constexpr int kTopBar = kKinds;  // container number of the top bar
    static constexpr std::size_t kMaxSynthChars = 512;

    OptionsWindow();

    // The panel (0 to 3) or kTopBar that holds picture button num (1 to 16).
    static int ButtonContainer(int num);
    // Picture1(k) or Picture3.
    Control& Container(int container);

    Form Form1{"Form1"};
    // The warning panel, out of view until a send fails.
    Control Frame1{"Frame1"};
    Control lblWarning{"lblWarning"};
    Control Label1{"Label1"};
    ListBox List1{"List1"};  // display names, shown
    ListBox List3{"List3"};  // handles, hidden
    Control Label2{"Label2"};
    Control lblContactName{"lblContactName"};
    Control lblContactID{"lblContactID"};
    Control Label3{"Label3"};
    std::array<OptionButton, kKinds> optTone;

    // The kind panels, one shown at a time, sharing one background picture.
    std::array<PictureArea, kKinds> Picture1;
    std::array<Control, kKinds> lblframe;
    ListBox List2{"List2"};  // catalogue titles
    ListBox List4{"List4"};  // their files, hidden
    Control lnk4{"lnk4"};
    Control Shape1{"Shape1"};          // frame of the recording bar
    Control lblProgress{"lblProgress"};  // the bar itself
    Control lblProgress2{"lblProgress2"};
    Control Label4{"Label4"};
    TextBox txtSyn{"txtSyn", kMaxSynthChars};
    ComboBox cmdGender{"cmdGender"};

    Control Picture3{"Picture3"};  // the top bar
    // Under buttons 14, 13, 12, 15 and 11, in that order.
    std::array<Control, 5> lblBut;
    Control lblAttention{"lblAttention"};

    // Button n is pbut1(n-1) with BlindButton(n-1).
    std::array<PictureArea, kButtons> pbut1;
    std::array<Control, kButtons> BlindButton;
    // Made by LoadLanguage, released at shutdown.
    std::unique_ptr<CPicButton> buttons;
    void ReleasePictureButtons() { buttons.reset(); }

    Timer Timer1{"Timer1", 50, true};
    Timer Timer2{"Timer2", 5000, false};

    // The tray menu mnuCtx: Options, a separator, Exit.
    std::vector<std::string> MenuCaptions{"Options", "-", "Exit"};
    static constexpr int kMenuOptions = 0;
    static constexpr int kMenuExit = 2;

    // Enable and Disable of the picture-button set; nothing before the set is made.
    void Enable(std::initializer_list<int> nums);
    void Disable(std::initializer_list<int> nums);
    int ButtonState(int num) const { return buttons ? buttons->State(num) : 0; }

    // Sets optTone(kind) and clears the others; only a change raises its click.
    void SelectKind(int kind);
    // The index of the first set optTone, 0 when none is.
    int ChosenKind() const;
    // Every control, for an adapter that treats them alike.
    std::vector<Control*> All();

private:
    void Layout();
};

}  // namespace quill::ui
