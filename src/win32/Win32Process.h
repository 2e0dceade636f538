#pragma once
#include <windows.h>

#include "core/platform/Process.h"

namespace quill::win32 {

class Win32Process : public Process {
public:
    ~Win32Process() override;
    std::string ProgramFolder() override;
    bool AnotherInstanceRunning() override;

private:
    HANDLE mutex_ = nullptr;
};

}  // namespace quill::win32
