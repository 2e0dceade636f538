#include "win32/PictureAreaView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>
#include <string>

#include "core/ui/PicButton.h"
#include "win32/ControlMirror.h"
#include "win32/Twips.h"
#include "win32/Utf.h"
#include "win32/WindowClass.h"

namespace quill::win32 {

namespace {

constexpr wchar_t kClass[] = L"QuillaresPicture";

// The strips, loaded once each for the whole run.
HBITMAP Strip(const std::string& path) {
    static std::map<std::string, HBITMAP> strips;
    auto it = strips.find(path);
    if (it != strips.end()) return it->second;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, Wide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    strips[path] = bitmap;
    return bitmap;
}

}  // namespace

PictureAreaView::PictureAreaView(HINSTANCE instance, HWND parent, HWND tips, ui::PictureArea& model,
                                 Quillares& app, int index)
    : tips_(tips), model_(model), app_(app), index_(index) {
    RegisterWindowClass(instance, kClass, &Proc, false, MAKEINTRESOURCEW(32649));  // the hand
    hwnd_ = CreateWindowExW(0, kClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 32, 32, parent, nullptr, instance,
                            nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

    Mirror(model_, hwnd_, [this](ui::Prop p) {
        if (p == ui::Prop::Picture) InvalidateRect(hwnd_, nullptr, FALSE);
        if (p == ui::Prop::Picture || p == ui::Prop::ToolTip) ShowToolTip();
    });
}

void PictureAreaView::ShowToolTip() {
    const std::wstring text = Wide(model_.ToolTipText());
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(hwnd_);
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PictureAreaView::Paint(HDC dc) const {
    RECT r;
    GetClientRect(hwnd_, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    // Until the set draws the face, the area shows its own picture: the strip's left slice.
    std::string strip = model_.Picture();
    std::optional<ui::StripSlice> slice = ui::SliceFor(0, 0, model_.Width(), model_.Height());
    if (const auto& painted = model_.Painted()) {
        strip = painted->strip;
        slice = painted->source;
    }
    HBITMAP bitmap = strip.empty() ? nullptr : Strip(strip);
    if (!bitmap || !slice) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, r.right, r.bottom, source, slice->left, slice->top, slice->width, slice->height, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

LRESULT CALLBACK PictureAreaView::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PictureAreaView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            self->Paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            self->app_.Guard([self] { self->app_.commands.PictureMouseMove(self->index_); });
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // The release may come outside: it still belongs to this button.
            SetCapture(hwnd);
            self->app_.Guard([self] { self->app_.commands.PictureMouseDown(self->index_); });
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (GetCapture() == hwnd) ReleaseCapture();
            self->app_.Guard([self, x = ToTwips(GET_X_LPARAM(lParam)), y = ToTwips(GET_Y_LPARAM(lParam))] {
                self->app_.commands.PictureMouseUp(self->index_, x, y);
            });
            return 0;
        case WM_CONTEXTMENU:
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace quill::win32
