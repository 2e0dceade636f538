#pragma once
#include <string>
#include <vector>

#include "ui/OptionsFixture.h"

namespace quill::test {

// The program started over fakes with a tone server at 127.0.0.1:8421.
struct ServerFixture : OptionsFixture {
    const std::string info = "http://127.0.0.1:8421/util/skypething.php?Item=";
    const std::string speech = "http://127.0.0.1:8421/util/speech.php?Item=";

    void SetUp() override {
        OptionsFixture::SetUp();
        ini.Set(folder + "Quillares.ini", "window", "server", "127.0.0.1:8421");
        StartWith(
            "downloading=Downloading\r\napplying=Applying\r\ndowloaded=Ready.\r\nok=&OK\r\ncancel=&Cancel\r\n"
            "updaterequired=Update now.\r\nupdaterecommended=Update?\r\nnoserverconnection=No server.\r\n");
    }
    // The information file with these lines and CR LF ends.
    void InfoLines(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        net.answers[info] = {text};
    }
    void Info(const std::string& version = "2.1", const std::string& required = "no") {
        InfoLines({version, required, "note", speech, "-", "2", "Anna (US)", "en-us16", "Bert (DE)", "de8", "http://h/",
              "http://h/update", "-", "http://h/guide", "-", "http://h/ringtones"});
    }
};

}  // namespace quill::test
