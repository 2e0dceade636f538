#include "core/base/UserSettings.h"

#include "core/base/SafeFileName.h"

namespace quill {

void OpenUserSettings(Shared& shared, Files& files, const std::function<void()>& onNewFile) {
    if (shared.UserId.empty()) return;
    std::string name = SafeFileName(shared.UserId) + ".ini";
    bool isNew = false;
    if (!files.Exists(shared.ProgramFolder + name)) {
        files.Copy(shared.ProgramFolder + "Quillares.ini", shared.ProgramFolder + name);
        isNew = true;
    }
    shared.IniName = name;
    if (isNew && onNewFile) onNewFile();
}

}  // namespace quill
