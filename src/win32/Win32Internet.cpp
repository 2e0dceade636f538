#include "win32/Win32Internet.h"

#include <wininet.h>

#include <mutex>

#include "win32/Utf.h"

namespace quill::win32 {

// Shared by the window's thread and the call's thread; whichever lets go last frees it.
struct Win32Internet::Call {
    std::function<void(Call&)> work;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    std::mutex lock;
    bool dropped = false;        // the window's thread no longer waits for it
    HINTERNET opened = nullptr;  // a handle the call made
    Outcome outcome;

    ~Call() {
        if (thread) CloseHandle(thread);
        if (done) CloseHandle(done);
    }
    // The call's thread, once its call is back: a handle nobody waits for any more is closed here.
    void Finish(HINTERNET handle, bool ok) {
        const DWORD error = ok ? 0 : GetLastError();
        std::lock_guard<std::mutex> hold(lock);
        outcome.ok = ok;
        outcome.error = error;
        if (dropped && handle) InternetCloseHandle(handle);
        else opened = handle;
        SetEvent(done);
    }
};

namespace {

DWORD WINAPI RunCall(void* parameter) {
    auto* held = static_cast<std::shared_ptr<Win32Internet::Call>*>(parameter);
    std::shared_ptr<Win32Internet::Call> call = std::move(*held);
    delete held;
    call->work(*call);
    return 0;
}

}  // namespace

void Win32Internet::Start(std::function<void(Call&)> work) {
    auto call = std::make_shared<Call>();
    call->work = std::move(work);
    call_ = call;
    auto* held = new std::shared_ptr<Call>(call);
    call->thread = CreateThread(nullptr, 0, RunCall, held, 0, nullptr);
    if (!call->thread) {
        delete held;
        call->outcome.error = GetLastError();
        SetEvent(call->done);
    }
}

void Win32Internet::OpenSession(const std::string& agent) {
    Close();
    Start([agent](Call& c) {
        HINTERNET h = InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        c.Finish(h, h != nullptr);
    });
}

void Win32Internet::OpenAddress(const std::string& address, std::uint32_t flags) {
    HINTERNET session = session_;
    const std::string ansi = Ansi(address);
    Start([session, ansi, flags](Call& c) {
        HINTERNET h = InternetOpenUrlA(session, ansi.c_str(), nullptr, 0, flags, 0);
        c.Finish(h, h != nullptr);
    });
}

void Win32Internet::ReadBlock(std::size_t maxBytes) {
    HINTERNET url = url_;
    Start([url, maxBytes](Call& c) {
        std::string block(maxBytes, '\0');
        DWORD read = 0;
        const bool ok = InternetReadFile(url, block.data(), static_cast<DWORD>(maxBytes), &read) != 0;
        block.resize(ok && read < maxBytes ? read : (ok ? maxBytes : 0));
        c.outcome.bytes = std::move(block);
        c.Finish(nullptr, ok);
    });
}

std::optional<Internet::Outcome> Win32Internet::Await(unsigned waitMs) {
    const std::shared_ptr<Call> call = call_;
    if (!call) return Outcome{false, {}, ERROR_INTERNET_INCORRECT_HANDLE_STATE};
    const ULONGLONG until = GetTickCount64() + waitMs;
    for (;;) {
        if (WaitForSingleObject(call->done, 0) == WAIT_OBJECT_0) {
            std::lock_guard<std::mutex> hold(call->lock);
            // The handle the call made belongs to the transfer from now on.
            if (call->opened) (session_ ? url_ : session_) = call->opened;
            call->opened = nullptr;
            if (call_ == call) call_.reset();
            return call->outcome;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= until) return std::nullopt;
        const DWORD r = MsgWaitForMultipleObjects(1, &call->done, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        if (r == WAIT_OBJECT_0 + 1 && pump_) pump_();
        if (r == WAIT_TIMEOUT) return std::nullopt;
    }
}

void Win32Internet::Close() {
    std::shared_ptr<Call> call = std::move(call_);
    if (call) {
        std::lock_guard<std::mutex> hold(call->lock);
        call->dropped = true;
        if (call->opened) InternetCloseHandle(call->opened);
        call->opened = nullptr;
    }
    // Closing ends a call still blocked on them.
    if (url_) InternetCloseHandle(url_);
    if (session_) InternetCloseHandle(session_);
    url_ = session_ = nullptr;
    // The next transfer's handles must not be taken for this one's by a call still returning.
    if (call && call->thread) WaitForSingleObject(call->thread, 2000);
}

}  // namespace quill::win32
