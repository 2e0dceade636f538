#include "core/ui/WebPages.h"

#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "core/base/Text.h"
#include "core/platform/Shell.h"
#include "core/server/WebAddress.h"

namespace quill::ui {

namespace {

std::string Setting(Settings& settings, const char* key) { return Trim(settings.ReadIni("window", key)); }

}  // namespace

std::string PageAddress(Settings& settings, WebPage page) {
    std::string address;
    switch (page) {
        case WebPage::Guide:
            address = Setting(settings, "webguide");
            break;
        case WebPage::Update:
            address = Setting(settings, "webupdate");
            break;
        case WebPage::Home:
            break;
        case WebPage::SkypeTones:
            return Setting(settings, "skypetones");
    }
    return address.empty() ? Setting(settings, "web") : address;
}

void OpenWebPage(Shell& shell, Log& log, const std::string& address, const std::string& verb) {
    if (address.empty()) return;
    if (!IsWebAddress(address)) {
        log.WriteLogData("Quillares: not a web address, not opened: ", address);
        return;
    }
    // What the shell makes of it is not examined: a page that does not open is the browser's to show.
    shell.Open(verb, address, "", "");
}

}  // namespace quill::ui
