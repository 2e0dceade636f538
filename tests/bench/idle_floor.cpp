// The floor of the idle benchmark: a bare program with the add-on's two timers and its link
// to Skype (discover, attach, PING every 5 s), and nothing else.
#include <windows.h>

namespace {

UINT g_discover = 0, g_attach = 0;
HWND g_skype = nullptr;

constexpr UINT_PTR kTick = 1, kKeepAlive = 2;

void KeepAlive(HWND self) {
    DWORD_PTR result = 0;
    if (!g_skype) {
        SendMessageTimeoutA(HWND_BROADCAST, g_discover, reinterpret_cast<WPARAM>(self), 0,
                            SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &result);
        return;
    }
    char text[] = "PING";
    COPYDATASTRUCT record{0, sizeof text, text};
    if (!SendMessageTimeoutA(g_skype, WM_COPYDATA, reinterpret_cast<WPARAM>(self),
                             reinterpret_cast<LPARAM>(&record), SMTO_NORMAL, 10000, &result))
        g_skype = nullptr;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == g_attach && g_attach != 0) {
        if (lParam == 0 && wParam != 0) g_skype = reinterpret_cast<HWND>(wParam);
        return 1;
    }
    if (msg == WM_TIMER && wParam == kKeepAlive) KeepAlive(hwnd);
    if (msg == WM_TIMER) return 0;
    if (msg == WM_COPYDATA) return 1;
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return msg == WM_DESTROY ? 0 : DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_discover = RegisterWindowMessageA("SkypeControlAPIDiscover");
    g_attach = RegisterWindowMessageA("SkypeControlAPIAttach");
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "IdleFloor";
    if (!RegisterClassA(&wc)) return 1;
    HWND hwnd = CreateWindowA("IdleFloor", "IdleFloor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              instance, nullptr);
    if (!hwnd) return 1;
    SetTimer(hwnd, kTick, 50, nullptr);
    SetTimer(hwnd, kKeepAlive, 5000, nullptr);
    KeepAlive(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
