#pragma once
#include <string>

namespace quill {
class Log;
class Settings;
class Shell;
}  // namespace quill

namespace quill::ui {

// The pages the help windows and the options window lead to. Their addresses come from the
// tone server, through section window of the current settings file.
enum class WebPage { Guide, Home, Update, SkypeTones };

// The page's address; the guide and the update page fall back to the home page, the Skype
// tones page to nothing. "" when the server has not told any.
std::string PageAddress(Settings& settings, WebPage page);

// Hands the address to the shell to open. Only http and https addresses go: the address comes
// from a server, and the shell would run a program or open a file just as willingly. Anything
// else is logged and left; "" opens nothing.
void OpenWebPage(Shell& shell, Log& log, const std::string& address, const std::string& verb = "open");

}  // namespace quill::ui
