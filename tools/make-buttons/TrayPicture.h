#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "make-buttons/Canvas.h"

namespace quill::buttons {

// "tray.bmp": the program's icon as a plain bitmap, so a window can show the user what to
// look for near the clock.
constexpr const char* kTrayPictureName = "tray.bmp";

// The size x size image of an icon file holding 32-bit images, laid over background;
// nullopt when the file has no such image or is cut short.
std::optional<Canvas> IconImage(const std::vector<std::uint8_t>& ico, int size, Color background);

}  // namespace quill::buttons
