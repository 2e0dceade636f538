#include "servercore/SpeakableText.h"

#include <cstdint>

#include "core/base/Unicode.h"

namespace quill::toneserver {
namespace {

// 0x80..0x9F; 0 where Windows-1252 defines nothing.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

std::string SpeakableUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() * 2);
    for (char ch : ansi) {
        const auto b = static_cast<std::uint8_t>(ch);
        char16_t c = b;
        if (b < 0x20 || b == 0x7F) c = ' ';
        else if (b >= 0x80 && b < 0xA0) c = kHighControls[b - 0x80] ? kHighControls[b - 0x80] : u' ';
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace quill::toneserver
