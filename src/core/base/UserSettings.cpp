#include "core/base/UserSettings.h"

#include "core/base/SafeFileName.h"

namespace quill {

void OpenUserSettings(Shared& shared, Files& files, Log& log, const std::function<void()>& onNewFile) {
    if (shared.UserId.empty()) return;
    std::string name = SafeFileName(shared.UserId) + ".ini";
    bool isNew = false;
    if (!files.Exists(shared.ProgramFolder + name)) {
        if (!files.Copy(shared.ProgramFolder + kMainSettingsFile, shared.ProgramFolder + name)) {
            log.WriteLog(std::string("Quillares: cannot copy ") + kMainSettingsFile + " to " + name + ", staying on " + kMainSettingsFile);
            return;
        }
        isNew = true;
    }
    shared.IniName = name;
    if (isNew && onNewFile) onNewFile();
}

}  // namespace quill
