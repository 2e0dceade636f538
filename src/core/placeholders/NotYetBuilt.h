#pragma once
// Pieces that start-up, the main loop and shutdown already call, whose real work arrives with
// later work on the program. Each keeps its final name; nothing here pretends to do that work.

namespace quill::placeholders {

// The language file: captions and message texts. The design captions stay until it exists.
inline void LoadLanguage() {}

// The tone server's client object (clsHTTP): created at start, released at shutdown.
struct clsHTTP {};

// The server check run when the own handle arrives; true would demand an update and quit.
inline bool ReadServerDB() { return false; }

// A new per-user settings file gets its tone catalogue counted.
inline void CountToneCatalogue() {}

// The main loop watches a preview playback and a recording before it takes its work item.
inline void WatchPreviewPlayback() {}
inline void WatchRecording() {}

// The picture buttons of the options window, released at shutdown.
inline void ReleasePictureButtons() {}

}  // namespace quill::placeholders
