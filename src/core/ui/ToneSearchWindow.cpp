#include "core/ui/ToneSearchWindow.h"

#include "core/base/LanguageTexts.h"
#include "core/server/ProgramVersion.h"
#include "core/tones/ToneCatalogue.h"

namespace quill::ui {

ToneSearchWindow::ToneSearchWindow(const LanguageTexts& texts, ToneCatalogue& catalogue) : Dialog("Form3") {
    form.SetCaption(kFileDescription);
    form.Resize(4800, 1300);
    heading.SetCaption("Searching for:");
    heading.Move(240, 300);
    heading.Resize(2000, 300);
    searchPattern.Move(2300, 300);
    searchPattern.Resize(2200, 300);
    controls = {&heading, &searchPattern};
    OnLoad = [this, &texts, &catalogue] {
        if (!texts.searching.empty()) heading.SetCaption(texts.searching);
        catalogue.SearchAllTones([this](const std::string& pattern) { searchPattern.SetCaption(pattern); });
        Unload();
    };
}

}  // namespace quill::ui
