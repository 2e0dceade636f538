#include "core/base/IniEncoding.h"

#include "core/base/Text.h"
#include "core/base/Unicode.h"

namespace quill {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

IniText DecodeIni(std::string_view bytes, TextCodec& codec) {
    if (StartsWith(bytes, kUtf8Mark)) return {IniEncoding::Utf8, ValidUtf8(bytes.substr(kUtf8Mark.size()))};
    if (StartsWith(bytes, kUtf16LeMark)) return {IniEncoding::Utf16Le, Utf16ToUtf8(bytes.substr(2), false)};
    if (StartsWith(bytes, kUtf16BeMark)) return {IniEncoding::Utf16Be, Utf16ToUtf8(bytes.substr(2), true)};
    return {IniEncoding::Ansi, codec.AnsiToUtf8(bytes)};
}

std::string EncodeIni(std::string_view utf8, IniEncoding encoding, TextCodec& codec) {
    switch (encoding) {
        case IniEncoding::Utf8:
            return std::string(kUtf8Mark) + ValidUtf8(utf8);
        case IniEncoding::Utf16Le:
            return std::string(kUtf16LeMark) + Utf8ToUtf16(utf8, false);
        case IniEncoding::Utf16Be:
            return std::string(kUtf16BeMark) + Utf8ToUtf16(utf8, true);
        case IniEncoding::Ansi:
            break;
    }
    return codec.Utf8ToAnsi(utf8);
}

std::string AsStored(std::string_view utf8, IniEncoding encoding, TextCodec& codec) {
    if (IsAscii(utf8)) return std::string(utf8);
    if (encoding == IniEncoding::Ansi) return codec.AnsiToUtf8(codec.Utf8ToAnsi(utf8));
    return ValidUtf8(utf8);
}

}  // namespace quill
