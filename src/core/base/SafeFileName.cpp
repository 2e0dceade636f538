#include "core/base/SafeFileName.h"

#include <cstdio>

namespace quill {

namespace {

bool NeedsEncoding(unsigned char c) {
    if (c < 32 || c == 127) return true;
    switch (c) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        case '%':
            return true;
        default:
            return false;
    }
}

void AppendEncoded(std::string& out, unsigned char c) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%%%02X", c);
    out += buf;
}

// CON, NUL, COM1 and the like name devices, with or without an extension.
bool IsDeviceName(std::string_view text) {
    std::string stem;
    for (char c : text.substr(0, text.find('.'))) stem += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

}  // namespace

std::string SafeFileName(std::string_view text) {
    bool dotsOnly = text.find_first_not_of('.') == std::string_view::npos;
    bool device = IsDeviceName(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        // Windows drops trailing dots and spaces, which would make two handles share a file.
        bool trailing = (c == '.' || c == ' ') && text.find_first_not_of(". ", i) == std::string_view::npos;
        if (NeedsEncoding(c) || (c == '.' && dotsOnly) || trailing || (i == 0 && device))
            AppendEncoded(out, c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

}  // namespace quill
