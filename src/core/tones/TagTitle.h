#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// A title from a file's tag, fit for a list row and a settings value: control characters
// become blanks, blanks around it go, and it is cut at kMaxTagTitleUnits UTF-16 units.
inline constexpr std::size_t kMaxTagTitleUnits = 200;
std::string CleanTagTitle(std::string_view utf8);

// Tags of any size are looked into no further than this.
inline constexpr std::uint64_t kMaxTagBytes = 1u << 20;

// The bytes of the ID3v2 tag that starts head, header and footer included; 0 when there is none.
std::uint64_t Id3v2Length(std::string_view head);
// The title (frame TIT2, or TT2 in version 2.2) of the tag that starts head, which may be cut
// short; "" when there is none.
std::string Id3v2Title(std::string_view head);

}  // namespace quill
