#include "win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/Utf.h"

namespace quill::win32 {

bool Win32Shell::Open(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& folder) {
    auto r = ShellExecuteW(nullptr, Wide(verb).c_str(), Wide(file).c_str(),
                           parameters.empty() ? nullptr : Wide(parameters).c_str(),
                           folder.empty() ? nullptr : Wide(folder).c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

}  // namespace quill::win32
