#pragma once
#include "core/ui/Dialog.h"

namespace quill {
class ToneCatalogue;
struct LanguageTexts;
}  // namespace quill

namespace quill::ui {

// Find's window: it rebuilds the tone catalogue as soon as it is up, naming the pattern being
// searched, and goes away by itself when the search is done.
class ToneSearchWindow : public Dialog {
public:
    ToneSearchWindow(const LanguageTexts& texts, ToneCatalogue& catalogue);

    Control heading{"Label1"};
    Control searchPattern{"lblSearch"};
};

}  // namespace quill::ui
