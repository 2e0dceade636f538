#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

#include "core/platform/FolderWatch.h"

namespace quill::win32 {

class Win32FolderWatch : public FolderWatch {
public:
    ~Win32FolderWatch() override;
    bool Watch(const std::string& folder) override;
    bool Changed() override { return broken_ || changed_.exchange(false); }

private:
    void Wait();

    HANDLE notification_ = INVALID_HANDLE_VALUE;
    HANDLE stop_ = nullptr;
    std::atomic<bool> changed_{false}, broken_{false};
    std::thread waiter_;
};

}  // namespace quill::win32
