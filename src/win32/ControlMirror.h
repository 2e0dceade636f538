#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "core/ui/Controls.h"

namespace quill::win32 {

// Mirrors a control's model onto its real window, property by property; extra sees every
// change after the common mirroring (a picture area repaints there).
void Mirror(ui::Control& model, HWND hwnd, std::function<void(ui::Prop)> extra = {});
// The window's text in UTF-8.
std::string TextOf(HWND hwnd);
// A timer of the model becomes a window timer of owner with the given id.
void MirrorTimer(ui::Timer& model, HWND owner, UINT_PTR id);

}  // namespace quill::win32
