#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "core/app/Quillares.h"
#include "win32/PictureAreaView.h"

namespace quill::win32 {

// The real options window, driven by its model.
class OptionsWindowView {
public:
    static constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;

    explicit OptionsWindowView(HINSTANCE instance) : instance_(instance) {}

    // The options window, hidden; proc is its own window procedure.
    HWND CreateMainWindow(WNDPROC proc);
    // Creates the controls and mirrors every model onto them.
    void Bind(Quillares& app);
    // WM_COMMAND from a control, from the window or any of its panels; true when taken.
    bool OnCommand(Quillares& app, WPARAM wParam, LPARAM lParam);
    // WM_CTLCOLORSTATIC: the brush for a label that is drawn its own way, or nullptr.
    HBRUSH OnColorStatic(HDC dc, HWND label);

    HWND main = nullptr;

private:
    static LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND TopLevel(const wchar_t* className, WNDPROC proc, DWORD style);
    HWND Child(const wchar_t* cls, DWORD style, HWND parent, HFONT font = nullptr);
    // A container: a kind panel or the top bar, holding controls and picture buttons.
    HWND Panel(HWND parent, bool framed);
    HWND Made(ui::Control& model, const wchar_t* cls, DWORD style, HWND parent, HFONT font = nullptr);
    void MakeButtons(Quillares& app);
    void MakeFonts();
    int IndexOf(const std::vector<HWND>& hwnds, HWND h) const;

    HINSTANCE instance_;
    Quillares* app_ = nullptr;
    HFONT font_ = nullptr, bold_ = nullptr, link_ = nullptr;
    HBRUSH bar_ = nullptr;
    HWND tips_ = nullptr;
    HWND list1_ = nullptr, list2_ = nullptr, image3_ = nullptr, txtSyn_ = nullptr, cmdGender_ = nullptr;
    HWND lnk4_ = nullptr, progress_ = nullptr, shape1_ = nullptr, frame1_ = nullptr, attention_ = nullptr;
    std::vector<HWND> panels_;  // kindPanels(0) to (3), then topBar
    std::vector<HWND> options_, blinds_;
    std::vector<std::unique_ptr<PictureAreaView>> pictures_;
};

}  // namespace quill::win32
