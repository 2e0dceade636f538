#include "core/base/Unicode.h"

#include <cstdint>

namespace quill {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at s[i] and advances i; a malformed sequence yields U+FFFD and
// consumes one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (more < 0 || b > 0xF4 || i + more > s.size()) return kReplacement;
    char32_t cp = b & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[more] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    i += more;
    return cp;
}


void AppendUnit(std::string& out, std::uint16_t u, bool bigEndian) {
    char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string ValidUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) AppendUtf8(out, NextCodePoint(s, i));
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t n = bytes.size() / 2;
    auto unit = [&](std::size_t k) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[2 * k]), b = static_cast<unsigned char>(bytes[2 * k + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t k = 0; k < n; ++k) {
        char32_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < n && unit(k + 1) >= 0xDC00 && unit(k + 1) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(k + 1) - 0xDC00));
            ++k;
        } else {
            AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
        }
    }
    return out;
}

std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, i);
        if (cp < 0x10000) {
            AppendUnit(out, static_cast<std::uint16_t>(cp), bigEndian);
        } else {
            AppendUnit(out, static_cast<std::uint16_t>(0xD800 + ((cp - 0x10000) >> 10)), bigEndian);
            AppendUnit(out, static_cast<std::uint16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), bigEndian);
        }
    }
    return out;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) units += NextCodePoint(utf8, i) < 0x10000 ? 1 : 2;
    return units;
}

std::string FirstUtf16Units(std::string_view utf8, std::size_t units) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size() && units > 0;) {
        std::size_t start = i;
        char32_t cp = NextCodePoint(utf8, i);
        if (cp >= 0x10000 && units == 1) {
            AppendUtf8(out, kReplacement);
            break;
        }
        units -= cp < 0x10000 ? 1 : 2;
        out.append(utf8.substr(start, i - start));
    }
    return out;
}

}  // namespace quill
