#pragma once
#include <windows.h>

#include "core/platform/Clock.h"

namespace quill::win32 {

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
    std::uint64_t Milliseconds() override { return GetTickCount64(); }
};

}  // namespace quill::win32
