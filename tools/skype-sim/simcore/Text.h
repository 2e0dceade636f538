#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skypesim {

// Blanks are space and tab; a CR left by CRLF line ends counts as blank too.
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// Removes the first word from `rest` and returns it; `rest` keeps what follows, leading blanks removed.
std::string_view TakeWord(std::string_view& rest);
std::vector<std::string_view> SplitWords(std::string_view text);

bool IsValidUtf8(std::string_view text);
// Any byte below 0x20 except tab, and DEL.
bool HasControlCharacter(std::string_view text);

// Digits only, no sign, at most `max`.
std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t max);

std::string ToUpperAscii(std::string_view text);
bool EqualsNoCaseAscii(std::string_view a, std::string_view b);

// Keeps log lines one line each and valid UTF-8: control bytes and invalid UTF-8 become \xNN.
std::string EscapeForLog(std::string_view text);

}  // namespace skypesim
