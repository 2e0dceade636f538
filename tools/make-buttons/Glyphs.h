#pragma once
#include <string>

#include "make-buttons/Canvas.h"

namespace quill::buttons {

enum class Glyph { Play, Find, Stop, Record, Generate, Apply, Help, Minimize, Exit, Events, AddSound };

// A glyph's outline in a 32 x 32 slice and the colour it is drawn in while enabled.
struct GlyphArt {
    Shape shape;
    Color color;
};
GlyphArt ArtFor(Glyph glyph);

}  // namespace quill::buttons
