#pragma once
#include "core/platform/TextCodec.h"
#include "win32/Utf.h"

namespace quill::win32 {

class Win32TextCodec : public TextCodec {
public:
    std::string AnsiToUtf8(std::string_view bytes) override;
    std::string Utf8ToAnsi(std::string_view utf8) override { return Ansi(utf8); }
};

}  // namespace quill::win32
