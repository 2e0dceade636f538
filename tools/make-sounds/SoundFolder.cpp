#include "make-sounds/SoundFolder.h"

#include <system_error>

#include "make-sounds/Synth.h"
#include "make-sounds/Tones.h"
#include "make-sounds/WaveFile.h"

namespace quill::sounds {

namespace {

// Keeps going after a failure so one run reports every file that could not be written.
template <class Item, class Write>
bool WriteFolder(const std::filesystem::path& folder, std::ostream& err, const std::vector<Item>& items,
                 const Write& write) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        err << "make-sounds: cannot create " << folder.string() << ": " << ec.message() << "\n";
        return false;
    }
    bool ok = true;
    for (const Item& item : items) {
        const auto path = folder / write.name(item);
        if (!write(path, item)) {
            err << "make-sounds: cannot write " << path.string() << "\n";
            ok = false;
        }
    }
    return ok;
}

struct WaveWriter {
    static const std::string& name(const Sound& s) { return s.fileName; }
    bool operator()(const std::filesystem::path& path, const Sound& s) const {
        return WriteWaveFile(path, s.samples, kSampleRate);
    }
};

struct ContainerWriter {
    static const std::string& name(const BoxedTone& t) { return t.sound.fileName; }
    bool operator()(const std::filesystem::path& path, const BoxedTone& t) const {
        return WriteToneContainer(path, t.sound.samples, kSampleRate, t.title);
    }
};

}  // namespace

bool WriteSoundFolder(const std::filesystem::path& folder, std::ostream& err) {
    return WriteFolder(folder, err, BuildSounds(), WaveWriter{});
}

bool WriteToneFolder(const std::filesystem::path& folder, std::ostream& err) {
    return WriteFolder(folder, err, BuildBoxedTones(), ContainerWriter{});
}

}  // namespace quill::sounds
