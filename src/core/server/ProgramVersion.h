#pragma once
#include <string>

#include "core/server/VersionNumbers.h"

namespace quill {

// The add-on's version, as its version resource gives it. The server information file is
// compared against "major.minor".
inline constexpr int kVersionMajor = QUILLARES_VERSION_MAJOR;
inline constexpr int kVersionMinor = QUILLARES_VERSION_MINOR;
inline constexpr int kVersionBuild = QUILLARES_VERSION_BUILD;
// The file description: the title of the program's own message boxes.
inline constexpr const char* kFileDescription = QUILLARES_FILE_DESCRIPTION;

inline std::string OwnVersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

}  // namespace quill
