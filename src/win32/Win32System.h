#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

#include "win32/Utf.h"

#include "core/platform/Clock.h"
#include "core/platform/FolderWatch.h"
#include "core/platform/Multimedia.h"
#include "core/platform/Process.h"
#include "core/platform/Registry.h"
#include "core/platform/Shell.h"
#include "core/platform/SkypeWire.h"
#include "core/platform/TextCodec.h"

namespace quill::win32 {

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
    std::uint64_t Milliseconds() override { return GetTickCount64(); }
};

class Win32SkypeWire : public SkypeWire {
public:
    unsigned RegisterMessage(const std::string& name) override;
    bool Broadcast(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t SendCopyData(WindowHandle to, WindowHandle from, std::string_view bytes) override;
};

class Win32Multimedia : public Multimedia {
public:
    explicit Win32Multimedia(HWND& notifyWindow);
    unsigned Send(const std::string& command, bool notify) override;
    std::string Reply() const override;

private:
    HWND& notifyWindow_;
    wchar_t MciReply[kReplyChars] = {};
};

class Win32Process : public Process {
public:
    ~Win32Process() override;
    std::string ProgramFolder() override;
    bool AnotherInstanceRunning() override;

private:
    HANDLE mutex_ = nullptr;
};

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

class Win32Registry : public Registry {
public:
    std::optional<std::string> ReadUserString(const std::string& key, const std::string& value,
                                              std::size_t bufferBytes) override;
};

class Win32Shell : public Shell {
public:
    bool Open(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder) override;
};

class Win32TextCodec : public TextCodec {
public:
    std::string AnsiToUtf8(std::string_view bytes) override;
    std::string Utf8ToAnsi(std::string_view utf8) override { return Ansi(utf8); }
};

}  // namespace quill::win32
