#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace quill {

// The system's internet functions, one synchronous transfer at a time.
class Internet {
public:
    using Handle = std::uintptr_t;  // 0: the call failed
    virtual ~Internet() = default;
    // A session under the agent name; connect, send and receive each give up after timeoutMs.
    virtual Handle OpenSession(const std::string& agent, unsigned timeoutMs) = 0;
    virtual Handle OpenAddress(Handle session, const std::string& address, std::uint32_t flags) = 0;
    // Up to maxBytes; "" at the end of the answer, nullopt when the read failed.
    virtual std::optional<std::string> ReadBlock(Handle address, std::size_t maxBytes) = 0;
    virtual void Close(Handle h) = 0;
    // The error code the last failed call above left; 0 when none failed.
    virtual unsigned long LastError() = 0;
};

}  // namespace quill
