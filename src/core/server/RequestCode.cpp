#include "core/server/RequestCode.h"

#include <algorithm>

namespace quill {
namespace {

// Two halves, joined at run time.
constexpr std::string_view kLettersLow = "KPWMRXBF";
constexpr std::string_view kLettersHigh = "TDZHLNGV";
constexpr int kOffsetCycle = 31;

int LetterPosition(char c) {
    static const std::string letters = CodeLetters();
    const auto p = letters.find(c);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

}  // namespace

std::string CodeLetters() { return std::string(kLettersLow) + std::string(kLettersHigh); }

const std::array<std::string, 256>& CodeTable() {
    static const std::array<std::string, 256> table = [] {
        const std::string letters = CodeLetters();
        std::array<std::string, 256> t;
        for (int k = 0; k < 256; ++k) t[k] = {letters[k / 16], letters[k % 16]};
        return t;
    }();
    return table;
}

std::string RequestText(int leadBlanks, std::initializer_list<std::string_view> fields) {
    std::string text(static_cast<std::size_t>(std::clamp(leadBlanks, 0, kMaxLeadBlanks)), ' ');
    text += kRequestTag;
    for (std::string_view f : fields) {
        text += f;
        text += kFieldSeparator;
    }
    return text;
}

std::string EncodeRequest(std::string_view text) {
    const auto& table = CodeTable();
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int offset = static_cast<int>((i + 1) % kOffsetCycle);
        out += table[(static_cast<unsigned char>(text[i]) + offset) % 256];
    }
    return out;
}

DecodedRequest DecodeRequest(std::string_view encoded, std::size_t fieldCount) {
    DecodedRequest r;
    if (encoded.size() % 2 != 0) {
        r.error = "odd number of code letters";
        return r;
    }
    std::string text;
    text.reserve(encoded.size() / 2);
    for (std::size_t i = 0; i < encoded.size(); i += 2) {
        const int high = LetterPosition(encoded[i]);
        const int low = LetterPosition(encoded[i + 1]);
        if (high < 0 || low < 0) {
            r.error = "a letter outside the code";
            return r;
        }
        const int offset = static_cast<int>((i / 2 + 1) % kOffsetCycle);
        text += static_cast<char>((high * 16 + low - offset + 256) % 256);
    }

    std::string_view rest = text;
    const auto blanks = std::min(rest.find_first_not_of(' '), rest.size());
    rest.remove_prefix(blanks);
    if (blanks > static_cast<std::size_t>(kMaxLeadBlanks) || rest.substr(0, kRequestTag.size()) != kRequestTag) {
        r.error = "no request tag";
        return r;
    }
    rest.remove_prefix(kRequestTag.size());
    if (rest.empty() || rest.back() != kFieldSeparator) {
        r.error = "the last field is not closed";
        return r;
    }
    rest.remove_suffix(1);
    for (std::size_t f = 0; f + 1 < fieldCount; ++f) {
        const auto sep = rest.find(kFieldSeparator);
        if (sep == std::string_view::npos) {
            r.error = "too few fields";
            r.fields.clear();
            return r;
        }
        r.fields.emplace_back(rest.substr(0, sep));
        rest.remove_prefix(sep + 1);
    }
    if (fieldCount > 0) r.fields.emplace_back(rest);
    return r;
}

std::string RateForVoice(std::string_view voiceId) {
    return voiceId.size() >= 2 && voiceId.substr(voiceId.size() - 2) == "16" ? "16" : "8";
}

}  // namespace quill
