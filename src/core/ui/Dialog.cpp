#include "core/ui/Dialog.h"

namespace quill::ui {

Dialog::~Dialog() {
    if (!loaded_ || !takeDown) return;
    loaded_ = false;
    dying_ = true;
    takeDown();
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
    if (!loaded_) return;
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
    if (cancelButton)
        Click(*cancelButton);
    else
        Unload();
}

}  // namespace quill::ui
