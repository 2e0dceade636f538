#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fakes/ProgramHarness.h"

namespace quill::test {

// The program started with its options window, contacts listed and the user known.
struct OptionsFixture : ::testing::Test, ProgramHarness {
    void SetUp() override {
        files.files[folder + "wav\\default.wav"] = "RIFF default";
        ini.Set(folder + "Quillares.ini", "window", "skiphelp", "yes");
    }
    void StartWith(const std::string& language = "") {
        files.files[folder + "english.txt"] = language;
        Start();
    }
    // Contacts as the dispatcher lists them; the user is known, so the link is up.
    void Contacts(std::initializer_list<std::pair<const char*, const char*>> handlesAndNames) {
        auto& w = app->window;
        app->link.SetState(SkypeLink::State::Linked);
        for (auto& [handle, name] : handlesAndNames) {
            w.contactHandles.AddItem(handle);
            w.contactNames.AddItem(name);
        }
    }
    void Set(const std::string& key, const std::string& value, const std::string& section = "contacts") {
        ini.Set(folder + app->shared.IniName, section, key, value);
    }
    std::string Get(const std::string& key, const std::string& section = "contacts") const {
        return ini.Get(folder + app->shared.IniName, section, key);
    }
    void Catalogue(std::initializer_list<const char*> names) {
        int i = 0;
        for (const char* name : names) {
            const std::string file = folder + "tones\\" + name;
            files.files[file] = "RIFF";
            Set("file" + std::to_string(++i), file, "tones");
            Set("tone" + std::to_string(i), name, "tones");
        }
        Set("number", std::to_string(i), "tones");
    }
    int State(int num) const { return app->window.ButtonState(CommandOf(num)); }
    // Only the listed buttons are compared.
    std::map<int, int> States(const std::map<int, int>& expected) const {
        std::map<int, int> got;
        for (auto& [num, state] : expected) got[num] = State(num);
        return got;
    }
};

constexpr int E = ui::kNormal, D = ui::kDisabled;

// Started with a tone server at 127.0.0.1:8421.
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
    // The information file, its lines ending in CR LF.
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
