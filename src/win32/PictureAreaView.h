#pragma once
#include <windows.h>

#include "core/ui/Controls.h"
#include "core/app/Quillares.h"

namespace quill::win32 {

// A picture button's face: a child window that paints its slice of the strip stretched over
// itself and hands every mouse move, press and release (any button) to the commands, through
// the program's barrier.
class PictureAreaView {
public:
    // tips: the tooltip control that shows the area's tool tip.
    PictureAreaView(HINSTANCE instance, HWND parent, HWND tips, ui::PictureArea& model, Quillares& app, int index);
    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;
    void ShowToolTip();

    HWND hwnd_ = nullptr;
    HWND tips_;
    ui::PictureArea& model_;
    Quillares& app_;
    int index_;
};

}  // namespace quill::win32
