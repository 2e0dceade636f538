#pragma once
#include <string>
#include <string_view>

namespace quill {

// A file name made from outside text (a Skype handle): it stays one plain name inside its
// folder. Characters a Windows name cannot hold, and "%" itself, become %XX; so do the dots of
// a dots-only name, trailing dots and spaces, and the first letter of a device name (CON, NUL).
// Ordinary handles keep every letter; live:name becomes live%3Aname.
std::string SafeFileName(std::string_view text);

}  // namespace quill
