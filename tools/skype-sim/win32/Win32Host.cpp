#include "win32/Win32Host.h"

#include <algorithm>
#include <string>

#include "simcore/Simulator.h"
#include "win32/WideText.h"

namespace skypesim {
namespace {

constexpr wchar_t kApiWindowClass[] = L"SkypeSimApiWindow";
constexpr wchar_t kControlWindowClass[] = L"SkypeSimControlWindow";
constexpr UINT kRunMessage = WM_APP + 1;
constexpr UINT_PTR kStepTimer = 1;
// Long enough for a slow client, short enough that a hung one cannot stall the scenario.
constexpr UINT kSendTimeoutMs = 5000;

HWND ToHwnd(Window window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }
Window FromHwnd(HWND window) { return static_cast<Window>(reinterpret_cast<std::uintptr_t>(window)); }

Win32Host* HostOf(HWND window) { return reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

// Both window kinds carry the host in their user data, set from the creation parameter.
void KeepHost(HWND window, UINT message, LPARAM lParam) {
    if (message != WM_NCCREATE) return;
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

bool RegisterClassNamed(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

bool Win32Host::Init() {
    discoverMessage_ = RegisterWindowMessageW(L"SkypeControlAPIDiscover");
    attachMessage_ = RegisterWindowMessageW(L"SkypeControlAPIAttach");
    unloadMessage_ = RegisterWindowMessageW(L"QuillaresUnload");
    if (discoverMessage_ == 0 || attachMessage_ == 0 || unloadMessage_ == 0) return false;
    if (!RegisterClassNamed(kApiWindowClass, ApiWindowProc) ||
        !RegisterClassNamed(kControlWindowClass, ControlWindowProc))
        return false;
    // Message-only: gets the timer and the posted run requests, never a broadcast.
    control_ = CreateWindowExW(0, kControlWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), this);
    return control_ != nullptr;
}

void Win32Host::RequestRun() {
    if (runPosted_) return;
    runPosted_ = PostMessageW(control_, kRunMessage, 0, 0) != 0;
}

int Win32Host::MessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return exitCode_;
}

void Win32Host::RunSimulator() {
    KillTimer(control_, kStepTimer);
    const auto wakeAt = simulator_->Run();
    if (!wakeAt) return;
    const std::uint64_t now = NowMs();
    const std::uint64_t delay = *wakeAt > now ? *wakeAt - now : 0;
    SetTimer(control_, kStepTimer, static_cast<UINT>(std::clamp<std::uint64_t>(delay, USER_TIMER_MINIMUM, 0x7FFFFFFF)),
             nullptr);
}

LRESULT CALLBACK Win32Host::ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    KeepHost(window, message, lParam);
    Win32Host* host = HostOf(window);
    if (host != nullptr && host->simulator_ != nullptr) {
        if (message == kRunMessage) {
            host->runPosted_ = false;
            host->RunSimulator();
            return 0;
        }
        if (message == WM_TIMER && wParam == kStepTimer) {
            host->RunSimulator();
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Host::ApiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    KeepHost(window, message, lParam);
    Win32Host* host = HostOf(window);
    if (host == nullptr || host->simulator_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return host->OnApiMessage(window, message, wParam, lParam);
}

LRESULT Win32Host::OnApiMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == discoverMessage_) {
        simulator_->OnDiscover(static_cast<Window>(wParam));
        RequestRun();
        return 0;
    }
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data == nullptr) return 0;
        const std::string_view bytes = data->lpData != nullptr
                                           ? std::string_view(static_cast<const char*>(data->lpData), data->cbData)
                                           : std::string_view();
        const std::intptr_t taken = simulator_->OnCopyData(static_cast<Window>(wParam), data->dwData, bytes);
        RequestRun();
        return taken;
    }
    if (message == WM_CLOSE) {
        simulator_->OnCloseRequest();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::uint64_t Win32Host::NowMs() { return GetTickCount64(); }

void Win32Host::Log(LogKind kind, std::string_view text) { output_.Write(kind, text); }

Window Win32Host::CreateApiWindow() {
    // Top-level, so broadcasts reach it; never shown.
    HWND window = CreateWindowExW(0, kApiWindowClass, L"skype-sim", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), this);
    return FromHwnd(window);
}

void Win32Host::DestroyApiWindow(Window window) { DestroyWindow(ToHwnd(window)); }

SendResult Win32Host::Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    SetLastError(0);
    if (SendMessageTimeoutW(to, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer) != 0)
        return {SendStatus::Answered, static_cast<std::int64_t>(answer)};
    return {GetLastError() == ERROR_TIMEOUT ? SendStatus::TimedOut : SendStatus::Failed, 0};
}

SendResult Win32Host::SendAttach(Window to, Window api, std::int64_t status) {
    return Send(ToHwnd(to), attachMessage_, static_cast<WPARAM>(api), static_cast<LPARAM>(status));
}

SendResult Win32Host::SendText(Window to, Window api, std::string_view text) {
    std::string bytes(text);
    COPYDATASTRUCT data{};
    data.dwData = 0;
    data.cbData = static_cast<DWORD>(bytes.size() + 1);  // the NUL std::string keeps after its text
    data.lpData = bytes.data();
    return Send(ToHwnd(to), WM_COPYDATA, static_cast<WPARAM>(api), reinterpret_cast<LPARAM>(&data));
}

SendResult Win32Host::BroadcastAttach(Window api, std::int64_t status) {
    return Send(HWND_BROADCAST, attachMessage_, static_cast<WPARAM>(api), static_cast<LPARAM>(status));
}

SendResult Win32Host::BroadcastUnload() { return Send(HWND_BROADCAST, unloadMessage_, 0, 0); }

bool Win32Host::FileExists(std::string_view path) {
    return GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32Host::Quit(int exitCode) {
    exitCode_ = exitCode;
    PostQuitMessage(exitCode);
}

}  // namespace skypesim
