#pragma once
// Pieces that start-up, the main loop, shutdown and the options window's commands already
// call, whose real work arrives with later work on the program. Each keeps its final name;
// nothing here pretends to do that work.

namespace quill::placeholders {

// A new per-user settings file gets its tone catalogue counted.
inline void CountToneCatalogue() {}

// Find: the tone search window, modal; it rebuilds the catalogue.
inline void ShowToneSearchWindow() {}

}  // namespace quill::placeholders
