#include "core/ui/OptionsWindow.h"

namespace quill::ui {

namespace {

// The layout, in twips (15 to a pixel at 96 DPI).
constexpr int kClientWidth = 8400;
constexpr int kBarHeight = 1080;
constexpr int kColumn2 = 3360;
constexpr int kPanelTop = 3660, kPanelWidth = 4920, kPanelHeight = 2580;
constexpr int kButton = 480;
// Four top-bar slots at the right for Skype events, Help, Minimize, Exit; Apply at the left.
constexpr int kSlot = 1140, kFirstSlot = kClientWidth - 4 * kSlot - 60;

struct Place {
    int left, top;
};
// Picture button n - 1, inside its container.
constexpr Place kButtonPlaces[OptionsWindow::kButtons] = {
    {120, 480},                                                          // 1
    {4320, 420}, {4320, 960}, {4320, 1500},                              // 2, 3, 4
    {120, 1440}, {720, 1440}, {1320, 1440},                              // 5, 6, 7
    {4320, 660}, {4320, 1200}, {4320, 1740},                             // 8, 9, 10
    {390, 120},                                                          // 11 Apply
    {kFirstSlot + kSlot + (kSlot - 480) / 2, 120},                       // 12 Help
    {kFirstSlot + 2 * kSlot + (kSlot - 480) / 2, 120},                   // 13 Minimize
    {kFirstSlot + 3 * kSlot + (kSlot - 480) / 2, 120},                   // 14 Exit
    {kFirstSlot + (kSlot - 480) / 2, 120},                               // 15 Skype events
    {4320, 2040},                                                        // 16 Add a sound file
};
void Place(Control& c, int left, int top, int width, int height) {
    c.Move(left, top);
    c.Resize(width, height);
}

// lblBut(k) stands under buttons 14, 13, 12, 15 and 11.
constexpr int kLabelledButton[5] = {14, 13, 12, 15, 11};

}  // namespace

OptionsWindow::OptionsWindow()
    : optTone(Named<OptionButton, kKinds>("optTone")),
      Picture1(Named<PictureArea, kKinds>("Picture1")),
      lblframe(Named<Control, kKinds>("lblframe")),
      lblBut(Named<Control, 5>("lblBut")),
      pbut1(Named<PictureArea, kButtons>("pbut1")),
      BlindButton(Named<Control, kButtons>("BlindButton")) {
    Form1.SetCaption(" Audio Quillares Options");
    Form1.SetVisible(false);
    // Visible from the start, out of view until the link is lost; hidden once the user is known.
    lblWarning.SetCaption("Please log on Skype first.");
    Label1.SetCaption("My Skype\u2122 Contacts:");
    List3.SetVisible(false);
    Label2.SetCaption("Selected Contact:");
    Label3.SetCaption("Select ringtone type for incoming call:");
    const char* kinds[kKinds] = {"Default Skype\u2122 ringtone", "Other available ringtones", "Record your own ringtone",
                                 "Synthesize a new ringtone"};
    const char* titles[kKinds] = {"Play the default Skype\u2122 ringtone", "Select one of available ringtones:",
                                  "Record your own ringtone", "Turn your words into a ringtone"};
    for (int k = 0; k < kKinds; ++k) {
        optTone[k].SetCaption(kinds[k]);
        lblframe[k].SetCaption(titles[k]);
        Picture1[k].SetVisible(k == 0);
    }
    List4.SetVisible(false);
    lnk4.SetCaption("View available Skype\u2122 ringtones");
    lblProgress2.SetCaption("0:00");
    Label4.SetCaption("Enter text to be synthesized (up to 512 symbols):");
    const char* labels[5] = {"Exit", "Minimize", "Help", "Skype\u2122 events", "Apply ringtone"};
    for (int k = 0; k < 5; ++k) lblBut[k].SetCaption(labels[k]);
    lblAttention.SetCaption("Don't forget to click Apply");
    lblAttention.SetVisible(false);
    Layout();
}

void OptionsWindow::Layout() {
    Form1.Resize(kClientWidth + 120, kPanelTop + kPanelHeight + 120 + 480);
    Picture3.Resize(kClientWidth, kBarHeight);
    Frame1.Move(120, -5000);
    // The warning stands in for Apply and its reminder, which wait for the link.
    Frame1.Resize(kFirstSlot - 840, kBarHeight);
    lblWarning.Resize(Frame1.Width(), Frame1.Height());
    Place(lblAttention, 1260, 180, kFirstSlot - 1980, 480);
    for (int k = 0; k < 5; ++k) {
        const auto& button = kButtonPlaces[kLabelledButton[k] - 1];
        Place(lblBut[k], button.left - (kSlot - 480) / 2, 660, kSlot, 300);
    }

    Place(Label1, 120, kBarHeight + 180, 3000, 255);
    Place(List1, 120, kBarHeight + 480, 3000, kPanelTop + kPanelHeight - kBarHeight - 480);
    Place(Label2, kColumn2, kBarHeight + 180, kPanelWidth, 255);
    Place(lblContactName, kColumn2 + 120, kBarHeight + 480, kPanelWidth - 120, 255);
    Place(lblContactID, kColumn2 + 120, kBarHeight + 750, kPanelWidth - 120, 255);
    Place(Label3, kColumn2, kBarHeight + 1140, kPanelWidth, 255);
    for (int k = 0; k < kKinds; ++k) {
        Place(optTone[k], kColumn2 + 120, kBarHeight + 1410 + k * 270, kPanelWidth - 120, 255);
        Place(Picture1[k], kColumn2, kPanelTop, kPanelWidth, kPanelHeight);
        Place(lblframe[k], 120, 90, kPanelWidth - 240, 255);
    }

    Place(List2, 120, 420, 4080, 1560);
    Place(lnk4, 120, 2100, 4080, 255);
    // The bar grows over its frame from the same corner: full, it covers the frame exactly.
    Place(Shape1, 120, 540, 3855, 330);
    Place(lblProgress, 120, 540, 30, 330);
    Place(lblProgress2, 120, 960, 1200, 255);
    Place(Label4, 120, 390, kPanelWidth - 240, 255);
    Place(txtSyn, 120, 660, 4080, 1080);
    Place(cmdGender, 120, 1860, 2400, 1500);

    for (int i = 0; i < kButtons; ++i) {
        Place(pbut1[i], kButtonPlaces[i].left, kButtonPlaces[i].top, kButton, kButton);
        // Never seen: above and left of its container's visible area.
        Place(BlindButton[i], -2 * kButton, -2 * kButton, kButton, kButton);
    }
}

int OptionsWindow::ButtonContainer(int num) {
    static constexpr int kContainer[kButtons] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, kTopBar, kTopBar, kTopBar, kTopBar, kTopBar, 1};
    return num >= 1 && num <= kButtons ? kContainer[num - 1] : kTopBar;
}

Control& OptionsWindow::Container(int container) {
    return container >= 0 && container < kKinds ? Picture1[container] : Picture3;
}

void OptionsWindow::Enable(std::initializer_list<int> nums) {
    if (buttons)
        for (int n : nums) buttons->Enable(n);
}

void OptionsWindow::Disable(std::initializer_list<int> nums) {
    if (buttons)
        for (int n : nums) buttons->Disable(n);
}

void OptionsWindow::SelectKind(int kind) {
    if (kind < 0 || kind >= kKinds) return;
    for (int k = 0; k < kKinds; ++k)
        if (k != kind) optTone[k].SetValue(false);
    optTone[kind].SetValue(true);
}

int OptionsWindow::ChosenKind() const {
    for (int k = 0; k < kKinds; ++k)
        if (optTone[k].Value()) return k;
    return 0;
}

std::vector<Control*> OptionsWindow::All() {
    std::vector<Control*> all{&Form1, &Frame1, &lblWarning, &Label1, &List1, &List3, &Label2, &lblContactName,
                              &lblContactID, &Label3, &List2, &List4, &lnk4, &Shape1, &lblProgress, &lblProgress2,
                              &Label4, &txtSyn, &cmdGender, &Picture3, &lblAttention};
    for (auto& c : optTone) all.push_back(&c);
    for (auto& c : Picture1) all.push_back(&c);
    for (auto& c : lblframe) all.push_back(&c);
    for (auto& c : lblBut) all.push_back(&c);
    for (auto& c : pbut1) all.push_back(&c);
    for (auto& c : BlindButton) all.push_back(&c);
    return all;
}

}  // namespace quill::ui
