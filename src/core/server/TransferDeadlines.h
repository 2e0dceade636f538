#pragma once
#include <optional>
#include <string>

namespace quill {

// How long a transfer may take, in milliseconds. The program enforces them itself: the
// system's own time-outs are not honoured everywhere.
struct TransferDeadlines {
    unsigned connectMs = 15000;   // the session and the address, until the answer begins
    unsigned readMs = 15000;      // each block
    unsigned transferMs = 60000;  // the whole transfer

    // "connect,read,transfer" in milliseconds, each 100 to 600,000; nullopt for anything else.
    static std::optional<TransferDeadlines> Parse(const std::string& text);
};

}  // namespace quill
