// Applies tones to many contacts and reads them back, through the system's profile
// functions and through the settings engine, in the same run; prints both times and ratios.
// Usage: settings_bench.exe <folder> [contacts]
#include <cstdio>
#include <cstdlib>

#include "WineSettings.h"

namespace {

using namespace quill;
using namespace quill::wine;

std::string File(int i) { return "tones\\tone" + std::to_string(i % 37) + ".wav"; }

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = FolderArgument(argc, argv);
    const int contacts = argc > 2 ? std::atoi(argv[2]) : 4000;
    const std::string shipped = "[window]\r\ntop=1\r\nleft=0\r\n[wav]\r\ndefault=wav\\default.wav\r\n[contacts]\r\n";
    Engine engine(folder);
    engine.files.Write(folder + "system.ini", shipped);
    engine.files.Write(folder + "engine.ini", shipped);
    const std::string systemIni = folder + "system.ini";

    Figure apply, read;
    LARGE_INTEGER t = Now();
    for (int i = 0; i < contacts; ++i) {
        const std::string handle = "contact" + std::to_string(i);
        SystemWrite(systemIni, "contacts", handle + "_file", File(i));
        SystemWrite(systemIni, "contacts", handle + "_play", "1");
    }
    apply.system = Seconds(t, Now());

    t = Now();
    {
        SettingsBatch batch(engine.settings);
        for (int i = 0; i < contacts; ++i) {
            const std::string handle = "contact" + std::to_string(i);
            engine.settings.WriteIniFile("engine.ini", "contacts", handle + "_file", File(i));
            engine.settings.WriteIniFile("engine.ini", "contacts", handle + "_play", "1");
        }
    }
    apply.engine = Seconds(t, Now());

    // Both read their file afresh, as a program started after the apply would.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, win32::Wide(systemIni).c_str());
    int wrong = 0;
    t = Now();
    for (int i = 0; i < contacts; ++i) {
        const std::string handle = "contact" + std::to_string(i);
        wrong += SystemRead(systemIni, "contacts", handle + "_file") != File(i);
        wrong += SystemRead(systemIni, "contacts", handle + "_play") != "1";
    }
    read.system = Seconds(t, Now());

    Engine fresh(folder);
    t = Now();
    for (int i = 0; i < contacts; ++i) {
        const std::string handle = "contact" + std::to_string(i);
        wrong += fresh.settings.ReadIniFile("engine.ini", "contacts", handle + "_file") != File(i);
        wrong += fresh.settings.ReadIniFile("engine.ini", "contacts", handle + "_play") != "1";
    }
    read.engine = Seconds(t, Now());

    std::printf("settings bench: %d contacts, %d keys\n", contacts, 2 * contacts);
    apply.Print("apply (two keys per contact)");
    read.Print("read every key back");
    if (wrong) std::printf("WRONG: %d values read back differ\n", wrong);
    return wrong == 0 ? 0 : 1;
}
