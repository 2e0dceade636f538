#pragma once
// Pieces that start-up, the main loop, shutdown and the options window's commands already
// call, whose real work arrives with later work on the program. Each keeps its final name;
// nothing here pretends to do that work.

namespace quill::placeholders {

// The tone server's client object (clsHTTP): created at start, released at shutdown.
struct clsHTTP {};

// The server check run when the own handle arrives or before a synthesis; true would demand
// an update and quit.
inline bool ReadServerDB() { return false; }

// The main loop watches a recording before it takes its work item.
inline void WatchRecording() {}

// The recorder: a recording under way, starting one into RecordFile, saving it.
inline bool IsRecording() { return false; }
inline void RecordStart() {}
inline void RecordSave() {}

// Generate: the synthesis of txtSyn in the chosen voice into SynthFile.
inline void SynthesizeTone() {}

// Apply: the apply dialog, modal; its result ApplyMode is -1 when cancelled.
inline int ShowApplyDialog() { return -1; }
inline void ApplyToneToContacts(int /*kind*/) {}

// The help window and the Skype events dialog, modal.
inline void ShowHelpWindow() {}
inline void ShowSkypeEventsDialog() {}

}  // namespace quill::placeholders
