#pragma once
#include <string>
#include <string_view>

namespace skypesim {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace skypesim
