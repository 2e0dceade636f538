// Applies tones to many contacts and reads them back, through the system's profile
// functions and through the settings engine, in the same run; prints both times and ratios.
// Usage: settings_bench.exe <folder> [contacts]
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "WineSettings.h"

int main(int argc, char** argv) {
    using namespace quill;
    using namespace quill::wine;
    const std::string folder = FolderArgument(argc, argv), systemIni = folder + "system.ini";
    const int contacts = argc > 2 ? std::atoi(argv[2]) : 4000;
    const std::string shipped = "[window]\r\ntop=1\r\nleft=0\r\n[wav]\r\ndefault=wav\\default.wav\r\n[contacts]\r\n";
    Engine engine(folder);
    engine.files.Write(systemIni, shipped);
    engine.files.Write(folder + "engine.ini", shipped);

    // Each contact's two keys and values, given to write; read back, those read otherwise are counted.
    using Key = const std::string&;
    auto apply = [&](const std::function<void(Key, Key)>& write) {
        for (int i = 0; i < contacts; ++i) {
            write("contact" + std::to_string(i) + "_file", "tones\\tone" + std::to_string(i % 37) + ".wav");
            write("contact" + std::to_string(i) + "_play", "1");
        }
    };
    int wrong = 0;
    auto check = [&](const std::function<std::string(Key)>& read) {
        apply([&](Key key, Key value) { wrong += read(key) != value; });
    };

    Figure writes, reads;
    writes.system = Time([&] { apply([&](Key k, Key v) { SystemWrite(systemIni, "contacts", k, v); }); });
    writes.engine = Time([&] {
        SettingsBatch batch(engine.settings);
        apply([&](Key k, Key v) { engine.settings.WriteIniFile("engine.ini", "contacts", k, v); });
    });
    // Both read their file afresh, as a program started after the apply would.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, win32::Wide(systemIni).c_str());
    reads.system = Time([&] { check([&](Key k) { return SystemRead(systemIni, "contacts", k); }); });
    Engine fresh(folder);
    reads.engine = Time([&] { check([&](Key k) { return fresh.settings.ReadIniFile("engine.ini", "contacts", k); }); });

    std::printf("settings bench: %d contacts, %d keys\n", contacts, 2 * contacts);
    writes.Print("apply (two keys per contact)");
    reads.Print("read every key back");
    if (wrong) std::printf("WRONG: %d values read back differ\n", wrong);
    return wrong == 0 ? 0 : 1;
}
