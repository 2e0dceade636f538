#include "core/ui/ApplyTones.h"

#include <utility>
#include <vector>

#include "core/base/Log.h"
#include "core/base/SafeFileName.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/base/Trapped.h"
#include "core/platform/Files.h"
#include "core/tones/ToneFiles.h"
#include "core/ui/OptionsWindow.h"

namespace quill::ui {

namespace {

constexpr int kTriesPerRange = 1000;

// The file the contacts get for kinds 0 to 2.
std::string PreparedTone(const ApplyServices& s, int kind) {
    auto& w = s.window;
    switch (kind) {
        case 1:
            return w.toneTitles.ListIndex() >= 0 ? w.toneFiles.Item(w.toneTitles.ListIndex()) : s.shared.DefaultTone;
        case 2:
            return s.shared.RecordFile;
        default:
            return s.shared.DefaultTone;
    }
}

void Assign(const ApplyServices& s, const std::string& handle, int kind, const std::string& file) {
    Trapped([&] { s.settings.WriteIni("contacts", handle + "_play", std::to_string(kind)); });
    Trapped([&] { s.settings.WriteIni("contacts", handle + "_file", file); });
}

// The synthesised tone to give: the scratch file moved to a name of its own, or a contact's
// tone as it is, since other contacts may ring with it too. nullopt: nothing to give (logged).
std::optional<std::string> SynthesisedTone(const ApplyServices& s, const std::string& tones) {
    const std::string scratch = tones + "tmp.quilar";
    if (s.shared.SynthFile != scratch) {
        if (s.files.Exists(s.shared.SynthFile)) return s.shared.SynthFile;
        s.log.WriteLog("Quillares: no such file: " + s.shared.SynthFile + ", nothing applied");
        return std::nullopt;
    }
    const std::string stem = SafeFileName(s.window.contactHandle.Caption());
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

void ApplyToneToContacts(const ApplyServices& s, int kind, int mode) {
    auto& w = s.window;
    const std::string tones = s.shared.ProgramFolder + "tones\\";
    std::string file = PreparedTone(s, kind);
    bool personal = false;
    if (kind == 3) {
        auto given = SynthesisedTone(s, tones);
        if (!given) return;
        file = *given;
        personal = Contains(w.synthesisText.Text(), "CONTACT");
    }

    // One save for the whole run, also when it stops early: the contacts done keep their tones.
    SettingsBatch together(s.settings);
    if (mode == 0) {
        const int row = w.contactNames.ListIndex();
        if (row >= 0) Assign(s, w.contactHandles.Item(row), kind, file);
        return;
    }
    // The contacts as they were at the question: a list refreshed during a synthesis must
    // neither end the run nor shift names onto other contacts.
    std::vector<std::pair<std::string, std::string>> contacts;
    for (int row = 0; row < w.contactNames.ListCount(); ++row) contacts.emplace_back(w.contactHandles.Item(row), w.contactNames.Item(row));
    const std::string shown = w.contactNames.ListIndex() >= 0 ? w.contactHandles.Item(w.contactNames.ListIndex()) : std::string();
    for (const auto& [handle, displayName] : contacts) {
        if (mode == 2 && Val(s.settings.ReadIni("contacts", handle + "_play")) != 0) continue;
        if (kind == 3 && personal) {
            auto name = FreeToneName(s.files, tones, SafeFileName(handle), s.draw);
            if (!name) {
                s.log.WriteLog("Quillares: no free tone name for " + SafeFileName(handle) + ", apply stopped");
                return;
            }
            file = tones + *name;
            auto spoken = s.synthesizeFor ? s.synthesizeFor(displayName, *name) : std::nullopt;
            bool wrapped = false;
            if (spoken) Trapped([&] { wrapped = s.tones.WrapToneFile(file, *spoken); });
            if (!wrapped) {
                s.files.Delete(file);
                if (spoken) s.log.WriteLog("Quillares: no tone for " + handle + ", apply stopped");
                return;
            }
            if (handle == shown) s.shared.SynthFile = file;
        }
        Assign(s, handle, kind, file);
    }
}

}  // namespace quill::ui
