#pragma once
#include "core/platform/Shell.h"

namespace quill::win32 {

class Win32Shell : public Shell {
public:
    bool Open(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder) override;
};

}  // namespace quill::win32
