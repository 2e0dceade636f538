#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

using WindowHandle = std::uintptr_t;

// The window messages of Skype's Desktop API.
class SkypeWire {
public:
    virtual ~SkypeWire() = default;
    virtual unsigned RegisterMessage(const std::string& name) = 0;
    // Sends to every top-level window; false when the send call returned 0.
    virtual bool Broadcast(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // WM_COPYDATA with dwData 0; bytes already hold the terminating NUL. Returns the receiver's result.
    virtual std::intptr_t SendCopyData(WindowHandle to, WindowHandle from, std::string_view bytes) = 0;
};

}  // namespace quill
