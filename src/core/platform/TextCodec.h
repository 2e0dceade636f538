#pragma once
#include <string>
#include <string_view>

namespace quill {

class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Bytes in the system's ANSI code page to UTF-8.
    virtual std::string AnsiToUtf8(std::string_view bytes) = 0;
    // UTF-8 to the ANSI code page; characters it lacks become what the system makes of them.
    virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
};

}  // namespace quill
