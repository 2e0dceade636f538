#pragma once
#include <filesystem>
#include <ostream>

namespace quill::sounds {

// Creates the folder if needed and writes every sound into it.
// Problems go to err; false if any file is missing afterwards.
bool WriteSoundFolder(const std::filesystem::path& folder, std::ostream& err);

// The same for the ringtones shipped as tone containers.
bool WriteToneFolder(const std::filesystem::path& folder, std::ostream& err);

}  // namespace quill::sounds
