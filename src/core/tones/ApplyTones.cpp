#include "core/tones/ApplyTones.h"

#include <utility>
#include <vector>

#include "core/base/Log.h"
#include "core/base/SafeFileName.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/tones/ContactTones.h"
#include "core/tones/ToneFiles.h"

namespace quill {

namespace {

constexpr int kTriesPerRange = 1000;

// The synthesised tone to give: the scratch file moved to a name of its own, or a contact's
// tone as it is, since other contacts may ring with it too. nullopt: nothing to give (logged).
std::optional<std::string> SynthesisedTone(const ApplyServices& s, const std::string& tones,
                                           const std::string& shownHandle) {
    const std::string scratch = tones + "tmp.quilar";
    if (s.shared.SynthFile != scratch) {
        if (s.files.Exists(s.shared.SynthFile)) return s.shared.SynthFile;
        s.log.WriteLog("Quillares: no such file: " + s.shared.SynthFile + ", nothing applied");
        return std::nullopt;
    }
    const std::string stem = SafeFileName(shownHandle);
    auto name = FreeToneName(s.files, tones, stem, s.draw);
    if (!name) {
        s.log.WriteLog("Quillares: no free tone name for " + stem + ", nothing applied");
        return std::nullopt;
    }
    if (!s.files.Rename(scratch, tones + *name)) {
        s.log.WriteLog("Quillares: cannot move " + scratch + " to " + *name + ", nothing applied");
        return std::nullopt;
    }
    s.shared.SynthFile = tones + *name;
    return s.shared.SynthFile;
}

}  // namespace

std::optional<std::string> FreeToneName(Files& files, const std::string& folder, const std::string& stem,
                                        const std::function<unsigned()>& draw) {
    // The wider numbers never collide with the short ones, so a full first range is left behind.
    for (unsigned range : {100000u, 1000000000u}) {
        const unsigned offset = range == 100000u ? 0 : 100000u;
        for (int t = 0; t < kTriesPerRange; ++t) {
            const std::string name = stem + std::to_string(offset + draw() % (range - offset)) + ".quilar";
            if (!files.Exists(folder + name)) return name;
        }
    }
    return std::nullopt;
}

void ApplyToneToContacts(const ApplyServices& s, const PreparedTone& tone, int mode) {
    const std::string tones = s.shared.ProgramFolder + "tones\\";
    const int kind = tone.kind;
    std::string file = tone.file;
    if (kind == 3) {
        auto given = SynthesisedTone(s, tones, tone.shownHandle);
        if (!given) return;
        file = *given;
    }

    // One save for the whole run, also when it stops early: the contacts done keep their tones.
    SettingsBatch together(s.settings);
    if (mode == 0) {
        if (tone.selected) contact_tones::Assign(s.settings, *tone.selected, kind, file);
        return;
    }
    const std::string shown = tone.selected.value_or("");
    for (const auto& [handle, displayName] : tone.contacts) {
        if (mode == 2 && !contact_tones::OnDefaultTone(s.settings, handle)) continue;
        if (kind == 3 && tone.personal) {
            auto name = FreeToneName(s.files, tones, SafeFileName(handle), s.draw);
            if (!name) {
                s.log.WriteLog("Quillares: no free tone name for " + SafeFileName(handle) + ", apply stopped");
                return;
            }
            file = tones + *name;
            auto spoken = s.synthesizeFor ? s.synthesizeFor(displayName, *name) : std::nullopt;
            bool wrapped = false;
            if (spoken) wrapped = s.tones.WrapToneFile(file, *spoken);
            if (!wrapped) {
                s.files.Delete(file);
                if (spoken) s.log.WriteLog("Quillares: no tone for " + handle + ", apply stopped");
                return;
            }
            if (handle == shown) s.shared.SynthFile = file;
        }
        contact_tones::Assign(s.settings, handle, kind, file);
    }
}

}  // namespace quill
