#include "core/server/ServerInfoFile.h"

#include <algorithm>
#include <cstdint>

#include "core/base/Text.h"

namespace quill {

std::vector<std::string> InfoFileLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

ServerInfo ReadServerInfo(std::string_view text) {
    const auto lines = InfoFileLines(text);
    // Numbered from 1, as the file's layout counts them.
    const auto line = [&lines](std::int64_t n) -> std::optional<std::string> {
        if (n < 1 || n > static_cast<std::int64_t>(lines.size())) return std::nullopt;
        return lines[static_cast<std::size_t>(n - 1)];
    };
    ServerInfo info;
    info.version = line(1);
    if (auto flag = line(2)) info.updateRequired = LowerAscii(*flag);
    info.note = line(3);
    info.synthUrl = line(4);
    const std::int64_t count = std::max(0, line(6) ? RoundToInt(Val(*line(6))) : 0);
    const std::int64_t available = std::max<std::int64_t>(0, (static_cast<std::int64_t>(lines.size()) - 6) / 2);
    const std::int64_t kept = std::min({count, available, static_cast<std::int64_t>(ServerInfo::kMaxVoices)});
    for (std::int64_t i = 1; i <= kept; ++i) info.voices.push_back({*line(5 + 2 * i), *line(6 + 2 * i)});
    const std::int64_t links = 7 + 2 * count;
    info.web = line(links);
    info.webupdate = line(links + 1);
    info.webguide = line(links + 3);
    info.skypetones = line(links + 5);
    return info;
}

}  // namespace quill
