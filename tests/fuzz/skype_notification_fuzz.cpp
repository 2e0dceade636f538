// Skype's notifications, one per line of the input, into a started and attached program; the
// main loop runs between them, so the follow-up commands, names and tones happen too.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/ProgramHarness.h"
#include "Require.h"

using quill::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quill::test::ProgramHarness h;
    h.files.files[h.folder + "wav\\default.wav"] = "RIFF";
    h.files.files[h.folder + "wav\\empty.wav"] = "RIFF";
    h.Start();
    h.Ticks(2);
    h.Attach(0);
    h.Drain();

    std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t pos = 0;
    int notifications = 0;
    while (pos <= input.size() && notifications < 64) {
        auto end = input.find('\n', pos);
        if (end == std::string::npos) end = input.size();
        std::string bytes = input.substr(pos, end - pos);
        h.app->WindowProc({74, h.kSkypeWindow, 0, bytes});
        h.Ticks(3);
        if (notifications % 4 == 3) h.app->OnTimer2();
        // A played tone ends now and then, so the ring loop turns too.
        if (notifications % 3 == 2) h.app->WindowProc({0x3B9, 1, 0, {}});
        ++notifications;
        pos = end + 1;
    }
    h.Drain(1000);

    const auto& w = h.app->window;
    Require(w.contactNames.ListCount() <= w.contactHandles.ListCount(), "every name belongs to a handle");
    Require(h.app->queue.EventQueue().size() <= quill::WorkQueue::kMaxBytes, "the queue stays bounded");
    Require(!h.app->Ended(), "no notification ends the program");
    const std::vector<std::string> own = {"GET CURRENTUSERHANDLE", "SEARCH FRIENDS", "GET USER ", "GET CALL ",
                                          "GET MESSAGE ", "PING"};
    for (const auto& c : h.wire.Commands())
        Require(std::any_of(own.begin(), own.end(), [&](const std::string& p) { return c.starts_with(p); }),
                "only the program's own commands reach Skype");
    Require(h.app->shared.IniName.find_first_of("\\/:") == std::string::npos,
            "the settings file stays in the program folder");
    for (const auto& [path, _] : h.files.files)
        Require(path.rfind(h.folder, 0) == 0, "no file outside the program folder");
    for (const auto& c : h.mci.Texts())
        Require(c == "close all" || c == "stop file" || c == "close file" || c == "play file notify" ||
                    c.rfind("open \"", 0) == 0,
                "only the player's own commands reach the device");
    return 0;
}
