#pragma once
#include <cstdint>
#include <string_view>

#include "simcore/LogLine.h"

namespace skypesim {

using Window = std::uint64_t;

enum class SendStatus { Answered, TimedOut, Failed };
struct SendResult {
    SendStatus status = SendStatus::Failed;
    std::int64_t value = 0;  // the receiver's return value when answered
};

// Everything the simulator needs from the OS; the Win32 layer implements it, tests fake it.
class SimHost {
public:
    virtual ~SimHost() = default;
    virtual std::uint64_t NowMs() = 0;  // monotonic
    virtual void Log(LogKind kind, std::string_view text) = 0;
    virtual Window CreateApiWindow() = 0;  // 0 when it failed
    virtual void DestroyApiWindow(Window window) = 0;
    virtual SendResult SendAttach(Window to, Window api, std::int64_t status) = 0;
    // WM_COPYDATA; the host adds the terminating NUL.
    virtual SendResult SendText(Window to, Window api, std::string_view text) = 0;
    virtual SendResult BroadcastAttach(Window api, std::int64_t status) = 0;
    virtual SendResult BroadcastUnload() = 0;
    virtual void Quit(int exitCode) = 0;
    // A scenario may wait for a file, the sign another program gives that it is ready.
    virtual bool FileExists(std::string_view path) = 0;
};

}  // namespace skypesim
