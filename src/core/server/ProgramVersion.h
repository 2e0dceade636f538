#pragma once
#include <string>

namespace quill {

// The add-on's version (its version resource reads 2.1.3). The server information file is
// compared against "major.minor".
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionBuild = 3;

inline std::string OwnVersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

}  // namespace quill
