#include "win32/Win32Internet.h"

#include <windows.h>
#include <wininet.h>

#include "win32/Utf.h"

namespace quill::win32 {

namespace {
HINTERNET Native(Internet::Handle h) { return reinterpret_cast<HINTERNET>(h); }
}  // namespace

Internet::Handle Win32Internet::OpenSession(const std::string& agent, unsigned timeoutMs) {
    HINTERNET session = InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session) {
        lastError_ = GetLastError();
        return 0;
    }
    DWORD ms = timeoutMs;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionA(session, option, &ms, sizeof ms);
    return reinterpret_cast<Handle>(session);
}

Internet::Handle Win32Internet::OpenAddress(Handle session, const std::string& address, std::uint32_t flags) {
    HINTERNET url = InternetOpenUrlA(Native(session), Ansi(address).c_str(), nullptr, 0, flags, 0);
    if (!url) {
        lastError_ = GetLastError();
        return 0;
    }
    return reinterpret_cast<Handle>(url);
}

std::optional<std::string> Win32Internet::ReadBlock(Handle address, std::size_t maxBytes) {
    std::string block(maxBytes, '\0');
    DWORD read = 0;
    if (!InternetReadFile(Native(address), block.data(), static_cast<DWORD>(maxBytes), &read)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    block.resize(read < maxBytes ? read : maxBytes);
    return block;
}

void Win32Internet::Close(Handle h) {
    if (h) InternetCloseHandle(Native(h));
}

}  // namespace quill::win32
