#include "core/tones/SkypeToneFile.h"

#include <cstdint>

namespace quill {

namespace {

constexpr std::uint64_t kTitleWindowOffset = 9;
constexpr std::uint64_t kTitleWindowBytes = 1000;
constexpr std::uint64_t kImageSearchBytes = 1024;
constexpr std::string_view kRiff = "RIFF";

}  // namespace

std::string SkypeTitleFromWindow(std::string_view window) {
    window = window.substr(0, window.find(kRiff));
    const auto pair = window.find(std::string_view("\0\0", 2));
    if (pair == std::string_view::npos) return "";
    const auto start = pair + 2;
    const auto end = window.find('\0', start);
    if (end == std::string_view::npos) return "";
    auto title = window.substr(start, end - start);
    // Header bytes that sit right before the title are not part of it.
    for (auto i = title.size(); i > 0; --i) {
        if (static_cast<unsigned char>(title[i - 1]) < 32) {
            title.remove_prefix(i);
            break;
        }
    }
    return std::string(title);
}

std::optional<std::string> SkypeTitle(const ToneFileReader& file) {
    const auto window = file.ReadUpTo(kTitleWindowOffset, kTitleWindowBytes);
    if (!window) return std::nullopt;
    return SkypeTitleFromWindow(*window);
}

std::optional<std::string> SkypeAudio(const ToneFileReader& file) {
    const auto head = file.ReadUpTo(0, kImageSearchBytes);
    if (!head) return std::nullopt;
    const auto start = head->find(kRiff);
    if (start == std::string::npos) return std::nullopt;
    return file.ReadExact(start, file.Size() - start);
}

}  // namespace quill
