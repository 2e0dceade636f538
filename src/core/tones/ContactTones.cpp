#include "core/tones/ContactTones.h"

#include "core/base/SafeFileName.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"

namespace quill::contact_tones {

int KindOf(Settings& settings, const std::string& handle) {
    return RoundToInt(Val(settings.ReadIni("contacts", handle + "_play")));
}

void Assign(Settings& settings, const std::string& handle, int kind, const std::string& file) {
    settings.WriteIni("contacts", handle + "_play", std::to_string(kind));
    settings.WriteIni("contacts", handle + "_file", file);
}

bool OnDefaultTone(Settings& settings, const std::string& handle) {
    return Val(settings.ReadIni("contacts", handle + "_play")) == 0;
}

std::string StoredFile(Settings& settings, const std::string& handle) {
    return settings.ReadIni("contacts", handle + "_file");
}

std::string ToneFileOf(Settings& settings, const Shared& shared, const std::string& handle) {
    std::string file = Trim(StoredFile(settings, handle));
    if (file.empty()) file = shared.DefaultTone;
    return ResolvePath(shared.ProgramFolder, file);
}

std::string RecordingFile(const Shared& shared, const std::string& handle) {
    return shared.ProgramFolder + "wav\\rec_" + SafeFileName(handle.empty() ? "unknown" : handle) + ".wav";
}

}  // namespace quill::contact_tones
