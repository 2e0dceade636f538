#pragma once
#include <string>
#include <string_view>

namespace quill::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// For the A functions that must stay A (multimedia command strings).
std::string Ansi(std::string_view utf8);

}  // namespace quill::win32
