#pragma once
#include <functional>

#include "core/base/Shared.h"
#include "core/platform/Files.h"

namespace quill {

// Switches the settings to the own handle's file, made from the main file on first use.
// onNewFile runs once for a file just made (its tone catalogue is counted there).
void OpenUserSettings(Shared& shared, Files& files, const std::function<void()>& onNewFile);

}  // namespace quill
