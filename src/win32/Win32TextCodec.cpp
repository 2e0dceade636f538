#include "win32/Win32TextCodec.h"

#include <windows.h>

namespace quill::win32 {

std::string Win32TextCodec::AnsiToUtf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return Utf8(w);
}

}  // namespace quill::win32
