#pragma once
#include <filesystem>
#include <ostream>
#include <string>

#include "make-buttons/Canvas.h"
#include "make-buttons/Glyphs.h"

namespace quill::buttons {

constexpr int kButtons = 16;
constexpr int kSlice = 32;
constexpr int kSlicesPerStrip = 4;  // normal, highlighted, pressed, disabled

// The glyph of the options window's button number (1 to 16).
Glyph GlyphOf(int number);
// "pbut" + number + ".bmp": the window loads strip n from buttons\pbut<n>.bmp.
std::string StripFileName(int number);
// One strip of four slices, 128 x 32.
Canvas DrawStrip(Glyph glyph);

// Creates the folder if needed and writes all sixteen strips into it.
// Problems go to err; false if any strip is missing afterwards.
bool WriteButtonFolder(const std::filesystem::path& folder, std::ostream& err);

}  // namespace quill::buttons
