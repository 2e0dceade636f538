#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace quill {

// UTF-8 with every malformed sequence replaced by U+FFFD, as the system's converter does.
std::string ValidUtf8(std::string_view s);
// UTF-16 bytes (an odd last byte is ignored) to UTF-8; lone surrogates become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian);
// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);
// Length in UTF-16 code units, the unit of the system's character buffers.
std::size_t Utf16Length(std::string_view utf8);
// The first `units` UTF-16 code units; a pair cut in two leaves U+FFFD.
std::string FirstUtf16Units(std::string_view utf8, std::size_t units);

}  // namespace quill
