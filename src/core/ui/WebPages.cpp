#include "core/ui/WebPages.h"

#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "core/base/Text.h"
#include "core/platform/Shell.h"

namespace quill::ui {

namespace {

std::string Setting(Settings& settings, const char* key) { return Trim(settings.ReadIni("window", key)); }

bool IsWebAddress(const std::string& address) {
    const std::string lower = LowerAscii(address);
    std::size_t host = 0;
    if (StartsWith(lower, "http://"))
        host = 7;
    else if (StartsWith(lower, "https://"))
        host = 8;
    if (host == 0 || host == address.size()) return false;
    // Blanks, quotes and control characters would let the shell read the address as more
    // than one address.
    for (unsigned char c : address)
        if (c <= ' ' || c == '"' || c == 0x7f) return false;
    return true;
}

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

void OpenWebPage(Shell& shell, Log& log, const std::string& address) {
    if (address.empty()) return;
    if (!IsWebAddress(address)) {
        log.WriteLog("Quillares: not a web address, not opened: " + address);
        return;
    }
    // What the shell makes of it is not examined: a page that does not open is the browser's to show.
    shell.Open("open", address, "", "");
}

}  // namespace quill::ui
