#pragma once
#include <functional>

#include "core/base/Log.h"
#include "core/base/Shared.h"
#include "core/platform/Files.h"

namespace quill {

// Switches the settings to the own handle's file, made from the main file on first use.
// onNewFile runs once for a file just made (its tone catalogue is counted there). When the
// copy fails the run stays on the main file, so the next run can still make a whole copy.
void OpenUserSettings(Shared& shared, Files& files, Log& log, const std::function<void()>& onNewFile);

}  // namespace quill
