#pragma once
#include <windows.h>

#include "core/platform/Multimedia.h"
#include "win32/MciRecordThread.h"

namespace quill::win32 {

class Win32Multimedia : public Multimedia {
public:
    explicit Win32Multimedia(HWND& notifyWindow);
    unsigned Send(const std::string& command, bool notify) override;
    std::string Reply() const override;

private:
    HWND& notifyWindow_;
    MciRecordThread recording_;
    wchar_t MciReply[kReplyChars] = {};
};

}  // namespace quill::win32
