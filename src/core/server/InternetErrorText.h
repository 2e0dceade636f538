#pragma once
#include <string>

namespace quill {

// The text for an error code of the internet functions: "" for 0, a general text for a code
// without one of its own.
std::string InternetErrorText(unsigned long code);

}  // namespace quill
