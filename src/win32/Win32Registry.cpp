#include "win32/Win32Registry.h"

#include <windows.h>

#include <algorithm>

#include "win32/Utf.h"
#include "win32/Win32TextCodec.h"

namespace quill::win32 {

std::optional<std::string> Win32Registry::ReadUserString(const std::string& key, const std::string& value,
                                                        std::size_t bufferBytes) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Ansi(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return std::nullopt;
    std::string buffer(bufferBytes, '\0');
    DWORD type = 0, size = static_cast<DWORD>(buffer.size());
    const LONG read = RegQueryValueExA(k, Ansi(value).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(k);
    // A value of another type is no path, whatever its bytes.
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    buffer.resize(std::min<std::size_t>(size, buffer.size()));
    return Win32TextCodec().AnsiToUtf8(buffer);
}

}  // namespace quill::win32
