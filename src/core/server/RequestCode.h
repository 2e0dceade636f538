#pragma once
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// A request to the tone server travels as two capital letters per byte in the query string.
// The add-on encodes and the tone server decodes with these same functions, so the two
// sides cannot drift apart.

inline constexpr std::string_view kRequestTag = "QTAG~";
inline constexpr char kFieldSeparator = '~';
inline constexpr int kMaxLeadBlanks = 9;

// The 16 code letters, positions 0 to 15.
std::string CodeLetters();
// Entry k: the letter at k div 16, then the letter at k mod 16.
const std::array<std::string, 256>& CodeTable();

// leadBlanks blanks (kept within 0..9), the tag, then each field followed by "~".
std::string RequestText(int leadBlanks, std::initializer_list<std::string_view> fields);

// Bytes in the ANSI code page; the byte at position p (from 1) is shifted by p mod 31.
std::string EncodeRequest(std::string_view text);

struct DecodedRequest {
    std::vector<std::string> fields;  // exactly the asked count when error is empty
    std::string error;                // a short phrase for the log and the answer
};

// Undoes EncodeRequest and RequestText. The last field runs to the final "~", so a text to
// speak may hold "~" itself.
DecodedRequest DecodeRequest(std::string_view encoded, std::size_t fieldCount);

// "16" when the voice identifier ends in "16", "8" for every other one.
std::string RateForVoice(std::string_view voiceId);

}  // namespace quill
