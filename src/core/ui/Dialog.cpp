#include "core/ui/Dialog.h"

namespace quill::ui {

Dialog::~Dialog() {
    if (!loaded_ || !takeDown) return;
    loaded_ = false;
    dying_ = true;
    takeDown();
}

void Dialog::AddOkCancel(Button& ok, Button& cancel, int left, int top) {
    ok.SetCaption("&OK");
    cancel.SetCaption("&Cancel");
    ok.Move(left, top);
    cancel.Move(left + 1440, top);
    for (auto* b : {&ok, &cancel}) {
        b->Resize(1335, 375);
        controls.push_back(b);
    }
    defaultButton = &ok;
    cancelButton = &cancel;
}

void Dialog::Load() {
    loaded_ = true;
    if (OnLoad) OnLoad();
}

void Dialog::Unload() {
    if (!loaded_) return;
    loaded_ = false;
    if (OnUnload) OnUnload();
    if (takeDown) takeDown();
}

void Dialog::Click(Control& control) {
    // A disabled window is behind a question of its own.
    if (!loaded_ || !form.Enabled()) return;
    if (auto* button = dynamic_cast<Button*>(&control)) {
        if (button->Enabled() && button->OnClick) button->OnClick();
    } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        box->SetValue(!box->Value());
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        for (auto* c : controls)
            if (auto* other = dynamic_cast<OptionButton*>(c); other && other != option) other->SetValue(false);
        option->SetValue(true);
    }
}

void Dialog::CloseBox() {
    if (!form.Enabled()) return;
    if (cancelButton)
        Click(*cancelButton);
    else
        Unload();
}

}  // namespace quill::ui
