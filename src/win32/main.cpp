// Quillares.exe: the Win32 side of the program. The window procedures only translate
// messages into calls on the core.
#include <windows.h>
#include <commctrl.h>

#include "core/app/Quillares.h"
#include "win32/AcmMp3Decoder.h"
#include "win32/OptionsWindowView.h"
#include "win32/Twips.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Files.h"
#include "win32/Win32FolderWatch.h"
#include "win32/Win32Internet.h"
#include "win32/Win32Multimedia.h"
#include "win32/Win32Process.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Shell.h"
#include "win32/Win32SkypeWire.h"
#include "win32/Win32TextCodec.h"
#include "win32/Win32UiHost.h"

namespace {

using namespace quill;
using namespace quill::win32;

Quillares* g_app = nullptr;
Win32UiHost* g_ui = nullptr;
OptionsWindowView* g_view = nullptr;

// The options window's procedure: while the program routes them, its messages go to the core
// first; what it leaves is the window's own.
LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!g_app) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (g_ui && g_ui->Routed()) {
        WindowMessage m{msg, wParam, lParam, {}};
        if (msg == WM_COPYDATA) {
            auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (record && record->lpData && record->cbData > 0)
                m.copyData = std::string_view(static_cast<const char*>(record->lpData), record->cbData);
        }
        if (auto result = g_app->WindowProc(m)) return *result;
    }
    switch (msg) {
        case WM_TIMER:
            if (wParam == OptionsWindowView::kTimer1) g_app->OnTimer1();
            if (wParam == OptionsWindowView::kTimer2) g_app->OnTimer2();
            return 0;
        case WM_CLOSE:
            g_app->Guard([] { g_app->OnCloseBox(); });
            return 0;
        case WM_MOVE:
            if (!IsIconic(hwnd)) {
                RECT r;
                GetWindowRect(hwnd, &r);
                g_app->Guard([&r] { g_app->OnFormMoved(ToTwips(r.left), ToTwips(r.top)); });
            }
            break;
        case WM_COMMAND:
            if (g_view) {
                bool taken = false;
                g_app->Guard([&] { taken = g_view->OnCommand(*g_app, wParam, lParam); });
                if (taken) return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH b = g_view ? g_view->OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))
                                  : nullptr)
                return reinterpret_cast<LRESULT>(b);
            break;
        case WM_MOUSEMOVE:
            g_app->Guard([] { g_app->commands.BackgroundMouseMove(); });
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) g_app->Guard([] { g_app->OnSystemShutdown(); });
            return 0;
        case Win32UiHost::kDestroyMessage:
            // Anyone can broadcast this number; only the program's own shutdown may end the window.
            if (g_app->Ended()) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    OptionsWindowView view(instance);
    HWND window = view.CreateMainWindow(FormProc);
    if (!window) return 1;

    Win32Files files;
    Win32Clock clock;
    Win32SkypeWire wire;
    Win32Multimedia mci(view.main);
    Win32UiHost ui(instance, view.main);
    Win32Shell shell;
    Win32TextCodec codec;
    Win32Process process;
    Win32FolderWatch folderWatch;
    Win32Internet net([&ui] { ui.DoEvents(); });
    Win32Registry registry;
    AcmMp3Decoder mp3;
    Quillares app(Ports{files, clock, wire, mci, ui, shell, codec, process, folderWatch, net, registry, mp3});
    ui.SetEventGuard([&app](const std::function<void()>& event) { app.Guard(event); });
    g_app = &app;
    g_ui = &ui;
    g_view = &view;

    if (app.Start(reinterpret_cast<WindowHandle>(window)) == Quillares::StartResult::SecondInstance) {
        g_app = nullptr;
        DestroyWindow(window);
        return 0;
    }
    view.Bind(app);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab, space and access keys reach the controls, the blind buttons among them.
        if (ui.PreTranslate(msg) || IsDialogMessageW(view.main, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    g_app = nullptr;
    return 0;
}
