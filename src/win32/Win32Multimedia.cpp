#include "win32/Win32Multimedia.h"

#include <mmsystem.h>

#include "win32/Utf.h"

namespace quill::win32 {

Win32Multimedia::Win32Multimedia(HWND& notifyWindow) : notifyWindow_(notifyWindow) {
    // Wine's wave device plays on a thread of its driver, which goes on running the driver's code
    // after it has posted the end notice (and after a stop). The close that follows unloads the
    // driver with the last device, and that thread then crashed in the unloaded code. Held here,
    // the driver stays for the life of the process; where there is no such file this does nothing.
    LoadLibraryW(L"mciwave.dll");
}

unsigned Win32Multimedia::Send(const std::string& command, bool notify) {
    // Wide, so a tone whose path the ANSI code page cannot spell still opens.
    MciReply[0] = L'\0';
    return recording_.Around(command, [&] {
        return mciSendStringW(Wide(command).c_str(), MciReply, kReplyChars, notify ? notifyWindow_ : nullptr);
    });
}

std::string Win32Multimedia::Reply() const {
    // Bounded by the buffer, should a reply ever fill it without its zero.
    std::size_t n = 0;
    while (n < kReplyChars && MciReply[n] != L'\0') ++n;
    return Utf8(std::wstring_view(MciReply, n));
}

}  // namespace quill::win32
