// Writes two keys for each contact in one batch, again and again with a new generation,
// until it is killed from outside. Leaves "writer.started" once the first batch is done.
// Usage: settings_kill_writer.exe <folder> <contacts> [seconds before it gives up]
#include <cstdlib>

#include "WineSettings.h"

int main(int argc, char** argv) {
    using namespace quill;
    wine::Engine engine(wine::FolderArgument(argc, argv));
    const int contacts = argc > 2 ? std::atoi(argv[2]) : 4000;
    const double seconds = argc > 3 ? std::atof(argv[3]) : 60;
    Settings& settings = engine.settings;
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (bool first = true; GetTickCount64() < end; first = false) {
        const std::string generation =
            std::to_string(RoundToInt(Val(settings.ReadIni("window", "generation"))) + 1);
        {
            SettingsBatch batch(settings);
            for (int i = 0; i < contacts; ++i) {
                const std::string handle = "contact" + std::to_string(i);
                settings.WriteIni("contacts", handle + "_file", "tones\\" + generation + ".wav");
                settings.WriteIni("contacts", handle + "_play", generation);
            }
            settings.WriteIni("window", "generation", generation);
        }
        if (first) engine.files.Write(engine.shared.ProgramFolder + "writer.started", generation);
    }
    return 0;
}
