#pragma once
#include <string>
#include <string_view>

#include "core/platform/TextCodec.h"

namespace quill {

// How a settings file is stored: the system's ANSI code page unless a byte-order mark says
// otherwise. A file keeps its encoding when it is written back.
enum class IniEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct IniText {
    IniEncoding encoding = IniEncoding::Ansi;
    std::string utf8;
};

IniText DecodeIni(std::string_view bytes, TextCodec& codec);
// With the byte-order mark the encoding needs.
std::string EncodeIni(std::string_view utf8, IniEncoding encoding, TextCodec& codec);
// The text as it reads back once stored: characters the code page lacks come back as what
// the system made of them.
std::string AsStored(std::string_view utf8, IniEncoding encoding, TextCodec& codec);

}  // namespace quill
