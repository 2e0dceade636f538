#include "core/ui/ToneSearchWindow.h"

#include "core/base/LanguageTexts.h"
#include "core/server/ProgramVersion.h"
#include "core/tones/ToneCatalogue.h"

namespace quill::ui {

ToneSearchWindow::ToneSearchWindow(const LanguageTexts& texts, ToneCatalogue& catalogue) : Dialog("Form3") {
    form.SetCaption(kFileDescription);
    form.Resize(4800, 1300);
    Label1.SetCaption("Searching for:");
    Label1.Move(240, 300);
    Label1.Resize(2000, 300);
    lblSearch.Move(2300, 300);
    lblSearch.Resize(2200, 300);
    controls = {&Label1, &lblSearch};
    OnLoad = [this, &texts, &catalogue] {
        if (!texts.searching.empty()) Label1.SetCaption(texts.searching);
        catalogue.SearchAllTones([this](const std::string& pattern) { lblSearch.SetCaption(pattern); });
        Unload();
    };
}

}  // namespace quill::ui
