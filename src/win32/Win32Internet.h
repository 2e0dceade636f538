#pragma once
#include <windows.h>
#include <wininet.h>

#include <functional>
#include <memory>

#include "core/platform/Internet.h"

namespace quill::win32 {

// WinINet, each call on a thread of its own while the window's thread keeps pumping. The
// system's time-outs are not honoured everywhere; closing a handle from the window's thread is
// what ends a blocked call, so the program's deadlines can always stop it.
class Win32Internet : public Internet {
public:
    // pump: lets the windows handle the events waiting for them.
    explicit Win32Internet(std::function<void()> pump) : pump_(std::move(pump)) {}
    ~Win32Internet() override { Close(); }

    void OpenSession(const std::string& agent) override;
    void OpenAddress(const std::string& address, std::uint32_t flags) override;
    void ReadBlock(std::size_t maxBytes) override;
    std::optional<Outcome> Await(unsigned waitMs) override;
    void Close() override;

    struct Call;

private:
    void Start(std::function<void(Call&)> work);

    std::function<void()> pump_;
    std::shared_ptr<Call> call_;  // the call under way or just back
    HINTERNET session_ = nullptr;
    HINTERNET url_ = nullptr;
};

}  // namespace quill::win32
