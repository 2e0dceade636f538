#pragma once
#include <exception>

#include "core/base/Log.h"

namespace quill {

// The one barrier where the window's events enter the program: an event that fails is logged
// once and dropped, and the window goes on. Nothing may escape into the system's window
// procedure, which cannot carry an exception.
template <class F>
void Guarded(Log& log, F&& event) {
    try {
        event();
    } catch (const std::exception& e) {
        try {
            log.WriteLogData("Quillares: error: ", e.what());
        } catch (...) {
        }
    } catch (...) {
        try {
            log.WriteLog("Quillares: error: unknown");
        } catch (...) {
        }
    }
}

}  // namespace quill
