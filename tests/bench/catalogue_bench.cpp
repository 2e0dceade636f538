// Find over a tone folder of many containers, then the tone list of many entries, through the
// settings engine and through the system's profile functions, in the same run; prints both
// times and ratios. Usage: catalogue_bench.exe <folder> [containers] [entries]
#include <cstdio>
#include <cstdlib>

#include "WineSettings.h"
#include "core/audio/Recorder.h"
#include "core/audio/TonePlayer.h"
#include "core/base/LanguageTexts.h"
#include "core/tones/ToneCatalogue.h"
#include "core/tones/ToneContainer.h"
#include "core/tones/ToneFiles.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ToneList.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeUiHost.h"
#include "win32/AcmMp3Decoder.h"
#include "win32/ControlMirror.h"
#include "win32/Win32Registry.h"

namespace {

using namespace quill;
using namespace quill::wine;

// A real list box for each list model, as the options window has.
struct ListWindows {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr, nullptr, nullptr);
    void Mirror(std::initializer_list<ui::ListBox*> lists) {
        for (ui::ListBox* list : lists)
            win32::Mirror(*list, CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 200,
                                                 200, parent, nullptr, nullptr, nullptr));
    }
};

// The search as the program ran it on the system's profile functions: same files, same
// titles, one profile write per key.
int SystemSearch(const std::string& folder, const std::string& pattern, ToneFiles& tones, const std::string& ini,
                 UiHost& ui, int count) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(win32::Wide(folder + pattern).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return count;
    do {
        const std::string name = win32::Utf8(found.cFileName);
        const std::string title = tones.ReadToneTitle(folder + name);
        if (!title.empty()) {
            ++count;
            SystemWrite(ini, "tones", "tone" + std::to_string(count), title);
            SystemWrite(ini, "tones", "file" + std::to_string(count), folder + name);
        }
        ui.DoEvents();
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return count;
}

void SystemFill(const std::string& ini, int entries, Files& files, ui::ListBox& titles, ui::ListBox& paths) {
    titles.Clear();
    paths.Clear();
    const int n = RoundToInt(Val(SystemRead(ini, "tones", "number")));
    for (int i = 1; i <= n && i <= entries; ++i) {
        const std::string file = Trim(SystemRead(ini, "tones", "file" + std::to_string(i)));
        if (file.empty() || !files.Exists(file)) continue;
        paths.AddItem(file);
        const std::string title = Trim(SystemRead(ini, "tones", "tone" + std::to_string(i)));
        titles.AddItem(title.empty() ? NamePart(file) : title);
    }
    if (titles.ListCount() > 0) titles.SetListIndex(0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = FolderArgument(argc, argv);
    const int containers = argc > 2 ? std::atoi(argv[2]) : 10000;
    const int entries = argc > 3 ? std::atoi(argv[3]) : 4000;
    Engine engine(folder);
    const std::string systemIni = folder + "system.ini";
    engine.files.Write(folder + "Quillares.ini", "[window]\r\n");
    engine.files.Write(systemIni, "[window]\r\n");
    CreateDirectoryW(win32::Wide(folder + "tones").c_str(), nullptr);
    const std::string wave = "RIFF" + std::string(4, '\x24') + "WAVEfmt " + std::string(28, '\0');
    for (int i = 0; i < containers; ++i)
        engine.files.Write(folder + "tones\\tone" + std::to_string(i) + ".quilar",
                           BuildContainer("Tone " + std::to_string(i), std::string_view(wave).substr(4)));

    win32::AcmMp3Decoder mp3;
    ToneFiles tones(engine.files, engine.log, engine.codec, mp3);
    LanguageTexts texts;
    test::FakeUiHost ui;  // whose pending events are handled for real
    ui.onDoEvents = [] {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    };
    win32::Win32Registry registry;
    ToneCatalogue catalogue({engine.settings, engine.files, engine.log, tones, texts, ui, registry, engine.shared});

    Figure find, fill;
    int systemCount = 0;
    find.system = Time([&] {
        systemCount = SystemSearch(folder + "tones\\", "*.quilar", tones, systemIni, ui, 0);
        systemCount = SystemSearch(folder + "wav\\", "rec_*.wav", tones, systemIni, ui, systemCount);
        SystemWrite(systemIni, "tones", "number", std::to_string(systemCount));
    });
    find.engine = Time([&] { catalogue.SearchAllTones([](const std::string&) {}); });

    // The list as a later run shows it: the file read afresh by its start-up, before the panel
    // is first shown; entries numbered up to the list's size.
    SystemWrite(systemIni, "tones", "number", std::to_string(entries));
    engine.settings.WriteIni("tones", "number", std::to_string(entries));
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, win32::Wide(systemIni).c_str());
    SystemRead(systemIni, "window", "top");
    ListWindows windows;
    ui::ListBox systemTitles("List2"), systemPaths("List4");
    windows.Mirror({&systemTitles, &systemPaths});
    fill.system = Time([&] { SystemFill(systemIni, entries, engine.files, systemTitles, systemPaths); });

    Engine fresh(folder);
    fresh.settings.ReadIni("window", "top");
    test::FakeMultimedia mci;
    ToneFiles freshTones(fresh.files, fresh.log, fresh.codec, mp3);
    Recorder recorder(mci, fresh.files, fresh.log, fresh.shared);
    TonePlayer player(mci, fresh.files, fresh.log, freshTones, fresh.shared, recorder);
    ui::OptionsWindow window;
    ui::ToneList list(window, fresh.settings, fresh.files, fresh.log, player);
    windows.Mirror({&window.toneTitles, &window.toneFiles});
    fill.engine = Time([&] { list.FillToneList(); });

    std::printf("catalogue bench: %d containers in tones\\, a list of %d entries\n", containers, entries);
    find.Print("Find (titles, catalogue keys)");
    fill.Print("tone list fill (toneTitles, toneFiles)");
    const int listed = window.toneTitles.ListCount();
    const bool right = systemCount == containers && listed == std::min(entries, containers) &&
                       systemTitles.Items() == window.toneTitles.Items() &&
                       systemPaths.Items() == window.toneFiles.Items();
    if (!right)
        std::printf("WRONG: system found %d, engine listed %d, lists %s\n", systemCount, listed,
                    systemTitles.Items() == window.toneTitles.Items() ? "alike" : "differ");
    return right ? 0 : 1;
}
