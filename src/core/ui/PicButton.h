#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/Controls.h"

namespace quill::ui {

// A picture button's state, which is also the column of its face in the strip.
enum ButtonState : int { kUndrawn = -1, kNormal = 0, kHighlighted = 1, kPressed = 2, kDisabled = 3 };

// A set of picture buttons: each is a picture area that shows a slice of an image strip and
// a blind push button, out of view, that carries focus, caption and the keyboard click.
// The set draws the faces and decides clicks; the host runs the commands.
//
// Buttons count from 1. A number outside the registered ones reaches nothing: reads answer 0
// and operations change no control.
class CPicButton {
public:
    static constexpr int kMaxButtons = 32;

    int Status(int num) const;
    // kNormal outside the registered ones.
    ButtonState State(int num) const;
    int Count() const { return count_; }
    int Pressed() const { return pressed_; }

    // Takes pbox's picture as the strip. Past the 32nd the number is counted but nothing is kept.
    int Add(PictureArea& pbox, Control& bbutton, const std::string& toolTip = "");
    // False when already highlighted or pressed; otherwise moves the highlight here.
    bool FocusOn(int num);
    // Clears the one highlight; false when there was none.
    bool FocusOff();
    void MouseDown(int num);
    // The release point relative to the pressed button's area, in twips; true completes a click.
    bool MouseUp(int x, int y);
    void Disable(int num);
    void Enable(int num);
    // Chooses the image group and the matching tool-tip variant.
    void SetStatus(int num, int newStatus);

private:
    struct Button {
        PictureArea* PBox = nullptr;
        Control* BButton = nullptr;
        std::string Pic;
        std::string ToolTip;
        ButtonState State = kNormal;
        int Status = 0;
    };
    Button* At(int num);
    const Button* At(int num) const;
    void Switch(int num, bool enabled, ButtonState state);
    void SetState(Button& b, ButtonState state);
    void Repaint(const Button& b);

    std::array<Button, kMaxButtons> buttons_{};
    int count_ = 0;
    int pressed_ = 0;
};

// The blind button's caption: a tip under 15 characters whole, else up to its first blank.
std::string BlindCaption(std::string_view toolTip);
// Split at every "|" when there is one, else at every ","; empty pieces stay.
std::vector<std::string> ToolTipVariants(std::string_view toolTip);
// Slice state + 4 x group of the strip for an area of width x height twips: each slice is
// width/15 by height/15 strip pixels, whatever the screen's density. nullopt for no slice.
std::optional<StripSlice> SliceFor(int state, int group, int width, int height);

}  // namespace quill::ui
