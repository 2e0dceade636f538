#pragma once
// Pieces that start-up, the main loop, shutdown and the options window's commands already
// call, whose real work arrives with later work on the program. Each keeps its final name;
// nothing here pretends to do that work.

namespace quill::placeholders {

// A new per-user settings file gets its tone catalogue counted.
inline void CountToneCatalogue() {}

// The main loop watches a recording before it takes its work item.
inline void WatchRecording() {}

// Find: the tone search window, modal; it rebuilds the catalogue.
inline void ShowToneSearchWindow() {}

// The recorder: a recording under way, starting one into RecordFile, saving it.
inline bool IsRecording() { return false; }
inline void RecordStart() {}
inline void RecordSave() {}

}  // namespace quill::placeholders
