#include "make-sounds/SoundFolder.h"

#include <system_error>

#include "make-sounds/Synth.h"
#include "make-sounds/Tones.h"
#include "make-sounds/WaveFile.h"

namespace quill::sounds {

bool WriteSoundFolder(const std::filesystem::path& folder, std::ostream& err) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        err << "make-sounds: cannot create " << folder.string() << ": " << ec.message() << "\n";
        return false;
    }
    bool ok = true;
    // Keep going after a failure so one run reports every file that could not be written.
    for (const Sound& sound : BuildSounds()) {
        const auto path = folder / sound.fileName;
        if (!WriteWaveFile(path, sound.samples, kSampleRate)) {
            err << "make-sounds: cannot write " << path.string() << "\n";
            ok = false;
        }
    }
    return ok;
}

}  // namespace quill::sounds
