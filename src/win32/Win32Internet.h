#pragma once
#include "core/platform/Internet.h"

namespace quill::win32 {

// WinINet, synchronous. Each failing call keeps its own error code at once, before any
// other call can replace the thread's last error.
class Win32Internet : public Internet {
public:
    Handle OpenSession(const std::string& agent, unsigned timeoutMs) override;
    Handle OpenAddress(Handle session, const std::string& address, std::uint32_t flags) override;
    std::optional<std::string> ReadBlock(Handle address, std::size_t maxBytes) override;
    void Close(Handle h) override;
    unsigned long LastError() override { return lastError_; }

private:
    unsigned long lastError_ = 0;
};

}  // namespace quill::win32
