#pragma once
#include <string>
#include <string_view>

namespace quill {

// Leading and trailing spaces removed.
std::string Trim(std::string_view s);
// ASCII letters only; other bytes (UTF-8 included) stay as they are.
std::string LowerAscii(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool Contains(std::string_view s, std::string_view part);
// Keeps what stands before the first zero character.
void CutAtNul(std::string& s);
// A stored path: absolute when it holds ":", else relative to the program folder.
std::string ResolvePath(const std::string& programFolder, const std::string& path);
// The text after the last "\"; all of it when there is none.
std::string NamePart(const std::string& path);
// The leading number of a text, 0 when there is none (" 12abc" is 12, "1e3" is 1000).
double Val(std::string_view s);
// Nearest whole number, halves to even, kept inside the range of int.
int RoundToInt(double v);

}  // namespace quill
