#pragma once
#include <windows.h>

#include "simcore/SimHost.h"
#include "win32/LogOutput.h"

namespace skypesim {

class Simulator;

// The windows and messages of Skype's side. Window procedures only translate: each message
// becomes one Simulator call, and a posted message runs the simulator outside the handler.
class Win32Host : public SimHost {
public:
    explicit Win32Host(LogOutput& output) : output_(output) {}
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    bool Init();
    void Attach(Simulator& simulator) { simulator_ = &simulator; }
    void RequestRun();
    int MessageLoop();

    std::uint64_t NowMs() override;
    void Log(LogKind kind, std::string_view text) override;
    Window CreateApiWindow() override;
    void DestroyApiWindow(Window window) override;
    SendResult SendAttach(Window to, Window api, std::int64_t status) override;
    SendResult SendText(Window to, Window api, std::string_view text) override;
    SendResult BroadcastAttach(Window api, std::int64_t status) override;
    SendResult BroadcastUnload() override;
    void Quit(int exitCode) override;
    bool FileExists(std::string_view path) override;

private:
    static LRESULT CALLBACK ApiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnApiMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunSimulator();
    SendResult Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam);

    LogOutput& output_;
    Simulator* simulator_ = nullptr;
    HWND control_ = nullptr;
    UINT discoverMessage_ = 0;
    UINT attachMessage_ = 0;
    UINT unloadMessage_ = 0;
    bool runPosted_ = false;
    int exitCode_ = 0;
};

}  // namespace skypesim
