#pragma once
#include <string>
#include <string_view>

namespace quill::toneserver {

// The add-on sends its text in the Windows ANSI code page; the server takes it as
// Windows-1252. The result is UTF-8 with every control character (line breaks included)
// and every byte the code page leaves undefined turned into a blank.
std::string SpeakableUtf8(std::string_view ansi);

}  // namespace quill::toneserver
