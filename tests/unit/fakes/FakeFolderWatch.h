#pragma once
#include <set>
#include <string>

#include "core/platform/FolderWatch.h"
#include "fakes/FakeFiles.h"

namespace quill::test {

// Watches FakeFiles: a change is a file name that came or went directly in the folder.
// When unavailable it never reports anything, so the program must not rely on it.
class FakeFolderWatch : public FolderWatch {
public:
    explicit FakeFolderWatch(FakeFiles& files) : files_(files) {}
    bool available = true;

    bool Watch(const std::string& folder) override {
        folder_ = folder;
        names_ = Names();
        return available;
    }
    bool Changed() override {
        auto now = Names();
        bool changed = available && now != names_;
        names_ = now;
        return changed;
    }

private:
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (auto& [path, bytes] : files_.files)
            if (path.starts_with(folder_) && path.find('\\', folder_.size()) == std::string::npos)
                names.insert(path);
        return names;
    }
    FakeFiles& files_;
    std::string folder_;
    std::set<std::string> names_;
};

}  // namespace quill::test
