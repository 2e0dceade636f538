#include "core/server/TransferDeadlines.h"

#include <cstddef>

namespace quill {

std::optional<TransferDeadlines> TransferDeadlines::Parse(const std::string& text) {
    unsigned values[3] = {};
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && (at >= text.size() || text[at++] != ',')) return std::nullopt;
        unsigned long v = 0;
        const std::size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - from < 7) v = v * 10 + (text[at++] - '0');
        if (at == from || v < 100 || v > 600000) return std::nullopt;
        values[i] = static_cast<unsigned>(v);
    }
    if (at != text.size()) return std::nullopt;
    return TransferDeadlines{values[0], values[1], values[2]};
}

}  // namespace quill
