#include "core/skype/SkypeNotice.h"

#include "core/base/Text.h"

namespace quill {

std::optional<SkypeNotice> ReadNotice(std::string_view text) {
    auto first = text.find(' ');
    if (first == std::string_view::npos) return std::nullopt;
    auto second = text.find(' ', first + 1);
    if (second == std::string_view::npos || Trim(text.substr(second + 1)).empty()) return std::nullopt;
    return SkypeNotice{std::string(text.substr(0, first)), std::string(text.substr(first + 1, second - first - 1)),
                       std::string(text.substr(second + 1))};
}

std::string ValueAfter(std::string_view text, std::string_view property) {
    auto at = text.find(property);
    if (at == std::string_view::npos) return {};
    auto value = at + property.size() + 1;
    return value <= text.size() ? std::string(text.substr(value)) : std::string();
}

}  // namespace quill
