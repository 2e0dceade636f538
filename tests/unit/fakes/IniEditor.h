#pragma once
#include <string>

#include "core/base/IniDocument.h"
#include "fakes/FakeFiles.h"

namespace quill::test {

// Reads and edits settings files in FakeFiles the way a person with a text editor would.
struct IniEditor {
    FakeFiles& files;

    void Set(const std::string& path, const std::string& section, const std::string& key, const std::string& value) {
        IniDocument doc = IniDocument::Parse(files.files[path]);
        doc.Set(section, key, value);
        files.files[path] = doc.Text();
    }
    std::string Get(const std::string& path, const std::string& section, const std::string& key) const {
        auto it = files.files.find(path);
        if (it == files.files.end()) return "<missing>";
        IniDocument doc = IniDocument::Parse(it->second);
        const std::string* value = doc.Find(section, key);
        return value ? *value : "<missing>";
    }
};

}  // namespace quill::test
