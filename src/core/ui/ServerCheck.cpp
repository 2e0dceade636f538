#include "core/ui/ServerCheck.h"

#include <cstddef>

#include "core/base/LanguageTexts.h"
#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/platform/Files.h"
#include "core/platform/Shell.h"
#include "core/platform/TextCodec.h"
#include "core/platform/UiHost.h"
#include "core/server/ProgramVersion.h"
#include "core/server/ServerInfoFile.h"
#include "core/server/WebAddress.h"
#include "core/server/clsHTTP.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/WebPages.h"

namespace quill::ui {

namespace {
// Far above any real information file; the rest of a larger one is not read.
constexpr std::size_t kMaxInfoBytes = 1 << 20;
}  // namespace

Outcome ServerCheck::ReadServerDB() {
    // The check under way answers for this one too.
    if (ServerBusy) return Outcome::Done();
    ServerBusy = true;
    // Lowered on every way out: a server that failed once is asked again next time.
    struct Lower {
        bool& busy;
        ~Lower() { busy = false; }
    } lower{ServerBusy};
    return CheckServer();
}

bool ServerCheck::TransferBusy() const { return s_.http.Busy(); }

Outcome ServerCheck::CheckServer() {
    const std::string folder = s_.shared.ProgramFolder + "tones";
    const std::string infoFile = folder + "\\tmp.txt";
    s_.files.Delete(infoFile);
    const bool fillVoices = s_.window.voices.ListCount() == 0;
    const Outcome fetched = s_.http.DbRequest(folder, "tmp.txt", InfoAddress(), s_.shared.UserId, "GetHeader");
    if (!fetched.Ok()) {
        // A transfer cut short leaves half a file: reading it would pass for the server's word.
        s_.log.WriteLogData("Quillares: server request failed: ", fetched.Error());
        s_.files.Delete(infoFile);
        return fetched;
    }
    const auto bytes = s_.files.Read(infoFile, 0, kMaxInfoBytes);
    if (!bytes) return Outcome::Failed("the information file could not be read");
    const ServerInfo info = ReadServerInfo(s_.codec.AnsiToUtf8(*bytes));
    if (!info.version || info.version->empty()) {
        s_.log.WriteLog("Quillares: server request failed");
        s_.ui.Warn(s_.texts.noserverconnection, kFileDescription);
        return Outcome::ProgramEnds();
    }
    if (info.synthUrl) {
        if (IsWebAddress(*info.synthUrl))
            SynthUrl = *info.synthUrl;
        else
            s_.log.WriteLogData("Quillares: ignored speech address ", *info.synthUrl);
    }
    auto& voices = s_.window.voices;
    if (fillVoices) {
        VoiceIds.clear();
        for (const auto& v : info.voices) {
            voices.AddItem(v.name);
            VoiceIds.push_back(v.id);
        }
    }
    ApplyLinks(info);
    s_.log.WriteLogData("Quillares: server request OK ", info.note.value_or(""));

    bool mustClose = false;
    if (Val(*info.version) > Val(OwnVersionText())) {
        if (info.updateRequired == "yes") {
            s_.ui.Warn(s_.texts.updaterequired, kFileDescription);
            OpenUpdatePage();
            mustClose = true;
        } else if (s_.ui.AskYesNo(s_.texts.updaterecommended, kFileDescription)) {
            OpenUpdatePage();
        }
    }
    if (mustClose) return Outcome::ProgramEnds();
    if (fillVoices && voices.ListCount() > 0) voices.SetListIndex(0);
    return Outcome::Done();
}

void ServerCheck::ApplyLinks(const ServerInfo& info) {
    SettingsBatch batch(s_.settings);
    const auto write = [this](const char* key, const std::optional<std::string>& value) {
        if (!value) return;
        if (!value->empty() && !IsWebAddress(*value)) {
            s_.log.WriteLogData(std::string("Quillares: ignored server address for ") + key + ": ", *value);
            return;
        }
        s_.settings.WriteIni("window", key, *value);
    };
    write("web", info.web);
    write("webupdate", info.webupdate);
    write("webguide", info.webguide);
    write("skypetones", info.skypetones);
}

void ServerCheck::OpenUpdatePage() {
    OpenWebPage(s_.shell, s_.log, s_.settings.ReadIni("window", "webupdate"), "Open");
}

std::string ServerCheck::InfoAddress() {
    std::string host = Trim(s_.settings.ReadIni("window", "server"));
    // A user file made before the setting existed lacks it; the main file has it.
    if (host.empty()) host = Trim(s_.settings.ReadIniFile(kMainSettingsFile, "window", "server"));
    return "http://" + host + "/util/skypething.php?Item=";
}

}  // namespace quill::ui
