#include "core/base/Text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace quill {

std::string Trim(std::string_view s) {
    auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string LowerAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

void CutAtNul(std::string& s) {
    auto p = s.find('\0');
    if (p != std::string::npos) s.resize(p);
}

std::string ResolvePath(const std::string& programFolder, const std::string& path) {
    return Contains(path, ":") ? path : programFolder + path;
}

std::string NamePart(const std::string& path) {
    auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

double Val(std::string_view s) {
    // Only the characters a number can be made of, so strtod never sees "inf", "nan" or hex.
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::string digits;
    std::size_t j = i;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) digits += s[j++];
    bool seenDigit = false, seenPoint = false;
    for (; j < s.size() && digits.size() < 400; ++j) {
        char c = s[j];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        digits += c;
    }
    if (!seenDigit) return 0;
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        std::string exponent = "e";
        std::size_t k = j + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) exponent += s[k++];
        std::size_t start = exponent.size();
        while (k < s.size() && s[k] >= '0' && s[k] <= '9' && exponent.size() < 8) exponent += s[k++];
        if (exponent.size() > start) digits += exponent;
    }
    return std::strtod(digits.c_str(), nullptr);
}

int RoundToInt(double v) {
    if (std::isnan(v)) return 0;
    double r = std::nearbyint(v);
    if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

}  // namespace quill
