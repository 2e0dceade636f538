#pragma once
#include <string>

#include "core/ui/LanguageFile.h"

namespace quill {
struct LanguageTexts;
}

namespace quill::ui {

struct OptionsWindow;

// The options window's part of the language file: captions, tool tips and message texts;
// then the fifteen picture buttons, whose strips are buttons\pbut1.bmp to pbut15.bmp under
// programFolder; then the first contact selected. Keys the window does not use are ignored.
void LoadLanguage(OptionsWindow& window, LanguageTexts& texts, const LanguageFile& file,
                  const std::string& programFolder);

}  // namespace quill::ui
