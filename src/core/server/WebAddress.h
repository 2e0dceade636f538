#pragma once
#include <string_view>

namespace quill {

// Only http:// and https:// addresses from the server are opened or fetched: any other
// scheme could reach local files or programs. Blanks, quotes and control characters would let
// the shell read one address as several.
inline bool IsWebAddress(std::string_view address) {
    const auto startsWithNoCase = [address](std::string_view scheme) {
        if (address.size() <= scheme.size()) return false;
        for (std::size_t i = 0; i < scheme.size(); ++i) {
            char c = address[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != scheme[i]) return false;
        }
        return true;
    };
    for (char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == 0x7F) return false;
    return startsWithNoCase("http://") || startsWithNoCase("https://");
}

}  // namespace quill
