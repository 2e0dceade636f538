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
// The button of command n at index n - 1, inside its container.
constexpr Place kButtonPlaces[OptionsWindow::kButtons] = {
    {120, 480},                                                          // PlayDefault
    {4320, 420}, {4320, 960}, {4320, 1500},                              // Find, PlayTone, StopTone
    {120, 1440}, {720, 1440}, {1320, 1440},                              // PlayRecording, StopRecording, Record
    {4320, 660}, {4320, 1200}, {4320, 1740},                             // Synthesize, PlaySynthesis, StopSynthesis
    {390, 120},                                                          // Apply
    {kFirstSlot + kSlot + (kSlot - 480) / 2, 120},                       // Help
    {kFirstSlot + 2 * kSlot + (kSlot - 480) / 2, 120},                   // Minimize
    {kFirstSlot + 3 * kSlot + (kSlot - 480) / 2, 120},                   // Exit
    {kFirstSlot + (kSlot - 480) / 2, 120},                               // Events
    {4320, 2040},                                                        // AddSoundFile
};
void Place(Control& c, int left, int top, int width, int height) {
    c.Move(left, top);
    c.Resize(width, height);
}

// buttonLabels(k) stands under the k-th of these buttons.
constexpr Command kLabelledButton[5] = {Command::Exit, Command::Minimize, Command::Help, Command::Events,
                                        Command::Apply};

}  // namespace

OptionsWindow::OptionsWindow()
    : kindOptions(Named<OptionButton, kKinds>("optTone")),
      kindPanels(Named<PictureArea, kKinds>("Picture1")),
      panelTitles(Named<Control, kKinds>("lblframe")),
      buttonLabels(Named<Control, 5>("lblBut")),
      buttonFaces(Named<PictureArea, kButtons>("pbut1")),
      blindButtons(Named<Control, kButtons>("BlindButton")) {
    form.SetCaption(" Audio Quillares Options");
    form.SetVisible(false);
    // Visible from the start, out of view until the link is lost; hidden once the user is known.
    warning.SetCaption("Please log on Skype first.");
    heading.SetCaption("My Skype\u2122 Contacts:");
    contactHandles.SetVisible(false);
    subheading.SetCaption("Selected Contact:");
    notice.SetCaption("Select ringtone type for incoming call:");
    const char* kinds[kKinds] = {"Default Skype\u2122 ringtone", "Other available ringtones", "Record your own ringtone",
                                 "Synthesize a new ringtone"};
    const char* titles[kKinds] = {"Play the default Skype\u2122 ringtone", "Select one of available ringtones:",
                                  "Record your own ringtone", "Turn your words into a ringtone"};
    for (int k = 0; k < kKinds; ++k) {
        kindOptions[k].SetCaption(kinds[k]);
        panelTitles[k].SetCaption(titles[k]);
        kindPanels[k].SetVisible(k == 0);
    }
    toneFiles.SetVisible(false);
    tonesLink.SetCaption("View available Skype\u2122 ringtones");
    recordingTime.SetCaption("0:00");
    synthesisPrompt.SetCaption("Enter text to be synthesized (up to 512 symbols):");
    const char* labels[5] = {"Exit", "Minimize", "Help", "Skype\u2122 events", "Apply ringtone"};
    for (int k = 0; k < 5; ++k) buttonLabels[k].SetCaption(labels[k]);
    applyReminder.SetCaption("Don't forget to click Apply");
    applyReminder.SetVisible(false);
    Layout();
}

void OptionsWindow::Layout() {
    form.Resize(kClientWidth + 120, kPanelTop + kPanelHeight + 120 + 480);
    topBar.Resize(kClientWidth, kBarHeight);
    warningPanel.Move(120, -5000);
    // The warning stands in for Apply and its reminder, which wait for the link.
    warningPanel.Resize(kFirstSlot - 840, kBarHeight);
    warning.Resize(warningPanel.Width(), warningPanel.Height());
    Place(applyReminder, 1260, 180, kFirstSlot - 1980, 480);
    for (int k = 0; k < 5; ++k) {
        const auto& button = kButtonPlaces[ButtonOf(kLabelledButton[k]) - 1];
        Place(buttonLabels[k], button.left - (kSlot - 480) / 2, 660, kSlot, 300);
    }

    Place(heading, 120, kBarHeight + 180, 3000, 255);
    Place(contactNames, 120, kBarHeight + 480, 3000, kPanelTop + kPanelHeight - kBarHeight - 480);
    Place(subheading, kColumn2, kBarHeight + 180, kPanelWidth, 255);
    Place(contactName, kColumn2 + 120, kBarHeight + 480, kPanelWidth - 120, 255);
    Place(contactHandle, kColumn2 + 120, kBarHeight + 750, kPanelWidth - 120, 255);
    Place(notice, kColumn2, kBarHeight + 1140, kPanelWidth, 255);
    for (int k = 0; k < kKinds; ++k) {
        Place(kindOptions[k], kColumn2 + 120, kBarHeight + 1410 + k * 270, kPanelWidth - 120, 255);
        Place(kindPanels[k], kColumn2, kPanelTop, kPanelWidth, kPanelHeight);
        Place(panelTitles[k], 120, 90, kPanelWidth - 240, 255);
    }

    Place(toneTitles, 120, 420, 4080, 1560);
    Place(tonesLink, 120, 2100, 4080, 255);
    // The bar grows over its frame from the same corner: full, it covers the frame exactly.
    Place(recordingFrame, 120, 540, 3855, 330);
    Place(recordingBar, 120, 540, 30, 330);
    Place(recordingTime, 120, 960, 1200, 255);
    Place(synthesisPrompt, 120, 390, kPanelWidth - 240, 255);
    Place(synthesisText, 120, 660, 4080, 1080);
    Place(voices, 120, 1860, 2400, 1500);

    for (int i = 0; i < kButtons; ++i) {
        Place(buttonFaces[i], kButtonPlaces[i].left, kButtonPlaces[i].top, kButton, kButton);
        // Never seen: above and left of its container's visible area.
        Place(blindButtons[i], -2 * kButton, -2 * kButton, kButton, kButton);
    }
}

int OptionsWindow::ButtonContainer(Command c) {
    static constexpr int kContainer[kButtons] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, kTopBar, kTopBar, kTopBar, kTopBar, kTopBar, 1};
    const int num = ButtonOf(c);
    return num >= 1 && num <= kButtons ? kContainer[num - 1] : kTopBar;
}

Control& OptionsWindow::Container(int container) {
    return container >= 0 && container < kKinds ? kindPanels[container] : topBar;
}

void OptionsWindow::Enable(std::initializer_list<Command> commands) {
    if (buttons)
        for (Command c : commands) buttons->Enable(ButtonOf(c));
}

void OptionsWindow::Disable(std::initializer_list<Command> commands) {
    if (buttons)
        for (Command c : commands) buttons->Disable(ButtonOf(c));
}

void OptionsWindow::SelectKind(int kind) {
    if (kind < 0 || kind >= kKinds) return;
    for (int k = 0; k < kKinds; ++k)
        if (k != kind) kindOptions[k].SetValue(false);
    kindOptions[kind].SetValue(true);
}

int OptionsWindow::ChosenKind() const {
    for (int k = 0; k < kKinds; ++k)
        if (kindOptions[k].Value()) return k;
    return 0;
}

std::vector<Control*> OptionsWindow::All() {
    std::vector<Control*> all{&form, &warningPanel, &warning, &heading, &contactNames, &contactHandles, &subheading, &contactName,
                              &contactHandle, &notice, &toneTitles, &toneFiles, &tonesLink, &recordingFrame, &recordingBar, &recordingTime,
                              &synthesisPrompt, &synthesisText, &voices, &topBar, &applyReminder};
    for (auto& c : kindOptions) all.push_back(&c);
    for (auto& c : kindPanels) all.push_back(&c);
    for (auto& c : panelTitles) all.push_back(&c);
    for (auto& c : buttonLabels) all.push_back(&c);
    for (auto& c : buttonFaces) all.push_back(&c);
    for (auto& c : blindButtons) all.push_back(&c);
    return all;
}

}  // namespace quill::ui
