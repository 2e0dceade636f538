#include "core/ui/PicButton.h"

#include <climits>
#include <cmath>

namespace quill::ui {

namespace {

std::size_t CountCharacters(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

std::string BlindCaption(std::string_view toolTip) {
    if (CountCharacters(toolTip) < 15) return std::string(toolTip);
    return std::string(toolTip.substr(0, toolTip.find(' ')));
}

std::vector<std::string> ToolTipVariants(std::string_view toolTip) {
    const char separator = toolTip.find('|') != std::string_view::npos ? '|' : ',';
    std::vector<std::string> variants;
    for (std::size_t start = 0;;) {
        const auto end = toolTip.find(separator, start);
        variants.emplace_back(toolTip.substr(start, end - start));
        if (end == std::string_view::npos) return variants;
        start = end + 1;
    }
}

std::optional<StripSlice> SliceFor(int state, int group, int width, int height) {
    const double k = state + 4.0 * group;
    const double left = std::round(k * width / 15.0);
    if (k < 0 || left > INT_MAX) return std::nullopt;
    return StripSlice{static_cast<int>(left), 0, static_cast<int>(std::lround(width / 15.0)),
                      static_cast<int>(std::lround(height / 15.0))};
}

CPicButton::Button* CPicButton::At(int num) {
    return num >= 1 && num <= kMaxButtons ? &buttons_[static_cast<std::size_t>(num - 1)] : nullptr;
}

const CPicButton::Button* CPicButton::At(int num) const {
    return const_cast<CPicButton*>(this)->At(num);
}

int CPicButton::Status(int num) const {
    const Button* b = At(num);
    return b ? b->Status : 0;
}

ButtonState CPicButton::State(int num) const {
    const Button* b = At(num);
    return b ? b->State : kNormal;
}

int CPicButton::Add(PictureArea& pbox, Control& bbutton, const std::string& toolTip) {
    const int num = ++count_;
    Button* b = At(num);
    if (!b) return num;
    *b = Button{&pbox, &bbutton, pbox.Picture(), toolTip, kUndrawn, 0};
    pbox.SetToolTipText(toolTip);
    bbutton.SetCaption(BlindCaption(toolTip));
    pbox.SetEnabled(true);
    bbutton.SetEnabled(true);
    return num;
}

bool CPicButton::FocusOn(int num) {
    Button* b = At(num);
    if (!b || b->State == kHighlighted || b->State == kPressed) return false;
    FocusOff();
    SetState(*b, kHighlighted);
    return true;
}

bool CPicButton::FocusOff() {
    for (int num = 1; num <= count_ && num <= kMaxButtons; ++num) {
        Button& b = *At(num);
        if (b.State != kHighlighted) continue;
        SetState(b, kNormal);
        return true;
    }
    return false;
}

void CPicButton::MouseDown(int num) {
    Button* b = At(num);
    if (!b || b->State == kPressed || b->State == kDisabled) return;
    pressed_ = num;
    SetState(*b, kPressed);
}

bool CPicButton::MouseUp(int x, int y) {
    Button* b = At(pressed_);
    if (!b || b->State != kPressed) return false;
    const bool inside = b->PBox && x >= 0 && y >= 0 && x <= b->PBox->Width() && y <= b->PBox->Height();
    SetState(*b, inside ? kHighlighted : kNormal);
    return inside;
}

void CPicButton::Disable(int num) { Switch(num, false, kDisabled); }

void CPicButton::Enable(int num) { Switch(num, true, kNormal); }

void CPicButton::Switch(int num, bool enabled, ButtonState state) {
    Button* b = At(num);
    if (!b) return;
    // The controls are always set; only a change of state redraws.
    if (b->PBox) b->PBox->SetEnabled(enabled);
    if (b->BButton) b->BButton->SetEnabled(enabled);
    if (b->State != state) SetState(*b, state);
}

void CPicButton::SetStatus(int num, int newStatus) {
    Button* b = At(num);
    if (!b) return;
    b->Status = newStatus;
    const auto variants = ToolTipVariants(b->ToolTip);
    // A variant past the last one leaves the tip as it is; the drawing still changes.
    if (b->PBox && newStatus >= 0 && static_cast<std::size_t>(newStatus) < variants.size())
        b->PBox->SetToolTipText(variants[static_cast<std::size_t>(newStatus)]);
    Repaint(*b);
}

void CPicButton::SetState(Button& b, ButtonState state) {
    b.State = state;
    Repaint(b);
}

void CPicButton::Repaint(const Button& b) {
    if (!b.PBox) return;
    // Once the set has drawn a face, the area's design picture never shows again.
    b.PBox->SetPicture("");
    const auto slice = SliceFor(b.State, b.Status, b.PBox->Width(), b.PBox->Height());
    b.PBox->Paint(slice ? std::optional(PictureArea::Painting{b.Pic, *slice}) : std::nullopt);
}

}  // namespace quill::ui
