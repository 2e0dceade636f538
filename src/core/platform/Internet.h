#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace quill {

// The system's internet functions, one transfer at a time. Each call starts off the window's
// thread and returns at once; Await lets the windows handle their events while it runs, so a
// silent server never freezes them. Only a call's finished outcome comes back.
class Internet {
public:
    struct Outcome {
        bool ok = false;
        std::string bytes;        // ReadBlock: what arrived; "" at the end of the answer
        unsigned long error = 0;  // the system's error code when !ok
    };
    virtual ~Internet() = default;
    // A session under the agent name; it begins the transfer.
    virtual void OpenSession(const std::string& agent) = 0;
    // After a session that opened.
    virtual void OpenAddress(const std::string& address, std::uint32_t flags) = 0;
    // Up to maxBytes, after an address that opened.
    virtual void ReadBlock(std::size_t maxBytes) = 0;
    // Lets the windows handle their events for at most waitMs; the call's outcome once it is back.
    virtual std::optional<Outcome> Await(unsigned waitMs) = 0;
    // Ends the transfer and closes its handles: a call still blocked returns and is dropped.
    virtual void Close() = 0;
};

}  // namespace quill
