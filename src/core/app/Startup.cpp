
#include "core/app/Quillares.h"
#include "core/base/Text.h"
#include "core/base/UserSettings.h"
#include "core/ui/LoadLanguage.h"

namespace quill {

Quillares::StartResult Quillares::Start(WindowHandle mainWindow) {
    shared.ProgramFolder = ports.process.ProgramFolder();
    if (!EndsWith(shared.ProgramFolder, "\\")) shared.ProgramFolder += "\\";

    if (ports.process.AnotherInstanceRunning()) {
        ports.files.Copy(shared.ProgramFolder + kMainSettingsFile, shared.ProgramFolder + "newinst.ini");
        return StartResult::SecondInstance;
    }

    log.WriteLog("START");
    log.WriteLog("Quillares: START");
    shared.IniName = kMainSettingsFile;
    shared.UserId = Trim(settings.ReadIni("window", "id"));
    log.WriteLog("Quillares: user=" + shared.UserId);
    OpenUserSettings(shared, ports.files, log, [this] { CountToneCatalogue(); });
    ReadWindowPosition();
    shared.LangFile = settings.ReadIni("window", "language");
    if (shared.LangFile.empty()) shared.LangFile = "english.txt";
    shared.DefaultTone = settings.ReadIni("wav", "default");
    if (shared.DefaultTone.empty()) shared.DefaultTone = "wav\\default.wav";
    log.WriteLog("Quillares: interface=" + shared.LangFile);
    server.SetDeadlines(ReadTransferDeadlines());
    LoadLanguage();
    const std::string skip = LowerAscii(settings.ReadIniFile(kMainSettingsFile, "window", "skiphelp"));
    if (skip.empty() || skip == "no" || skip == "0") ShowFirstRunWindow();
    shared.MainWindowHandle = mainWindow;
    tray.MsgTaskbarCreated = ports.wire.RegisterMessage("TaskbarCreated");
    tray.AddTrayIcon();
    shared.SoundOn = true;
    link.RegisterSkypeMessages();
    queue.QueueItem(WorkItem::Kind::Module1);
    return StartResult::Running;
}

void Quillares::LoadLanguage() {
    const auto file = ui::LanguageFile::Read(ports.files, ports.codec, log, shared.ProgramFolder + shared.LangFile);
    ui::LoadLanguage(window, texts, file, shared.ProgramFolder);
}

// Not in the shipped file: the end-to-end tests shorten the deadlines so as not to wait 15 s.
TransferDeadlines Quillares::ReadTransferDeadlines() {
    const std::string text = Trim(settings.ReadIniFile(kMainSettingsFile, "window", "transferdeadlines"));
    if (text.empty()) return {};
    if (auto deadlines = TransferDeadlines::Parse(text)) return *deadlines;
    log.WriteLogData("Quillares: ignored transferdeadlines=", text);
    return {};
}

void Quillares::ReadWindowPosition() {
    auto& form = window.form;
    int top = RoundToInt(Val(settings.ReadIni("window", "top")));
    if (top <= 0) top = 1;
    int left = RoundToInt(Val(settings.ReadIni("window", "left")));
    if (left <= 0) left = ports.ui.ScreenWidthTwips() - form.Width() - 30;
    form.Move(left, top);
}

}  // namespace quill
