#pragma once
#include "core/platform/SkypeWire.h"

namespace quill::win32 {

class Win32SkypeWire : public SkypeWire {
public:
    unsigned RegisterMessage(const std::string& name) override;
    bool Broadcast(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t SendCopyData(WindowHandle to, WindowHandle from, std::string_view bytes) override;
};

}  // namespace quill::win32
