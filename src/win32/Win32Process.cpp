#include "win32/Win32Process.h"

#include <vector>

#include "win32/Utf.h"

namespace quill::win32 {

Win32Process::~Win32Process() {
    if (mutex_) CloseHandle(mutex_);
}

std::string Win32Process::ProgramFolder() {
    std::vector<wchar_t> path(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring full(path.data(), n);
    auto slash = full.find_last_of(L"\\/");
    return Utf8(slash == std::wstring::npos ? full : full.substr(0, slash));
}

bool Win32Process::AnotherInstanceRunning() {
    mutex_ = CreateMutexW(nullptr, FALSE, L"Quillares.SingleInstance");
    return mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace quill::win32
