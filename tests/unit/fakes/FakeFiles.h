#pragma once
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/base/IniDocument.h"
#include "core/platform/Files.h"
#include "core/platform/FolderWatch.h"

namespace quill::test {

// Files held in memory, keyed by the exact path string.
class FakeFiles : public Files {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> locked;  // paths that refuse writes and deletes (open elsewhere)

    int lookups = 0;
    bool Exists(const std::string& path) override {
        ++lookups;
        return files.count(path) > 0;
    }
    bool Delete(const std::string& path) override {
        if (locked.count(path)) return false;
        return files.erase(path) > 0;
    }
    bool Copy(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || locked.count(to)) return false;
        files[to] = it->second;
        return true;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || files.count(to) || locked.count(from)) return false;
        files[to] = std::move(it->second);
        files.erase(it);
        return true;
    }
    // Sizes claim this much more than the files hold, as if cut short after being sized.
    std::uint64_t sizeSlack = 0;
    std::optional<std::uint64_t> Size(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.size() + sizeSlack;
    }
    // What was read, to prove that no length field from a file sized a buffer.
    int reads = 0;
    std::size_t largestRead = 0;
    std::optional<std::string> Read(const std::string& path, std::uint64_t offset, std::size_t maxBytes) override {
        ++reads;
        largestRead = std::max(largestRead, maxBytes);
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        if (offset >= it->second.size()) return std::string();
        return it->second.substr(static_cast<std::size_t>(offset), maxBytes);
    }
    bool Write(const std::string& path, std::string_view bytes) override {
        if (locked.count(path)) return false;
        files[path] = std::string(bytes);
        return true;
    }
    bool Append(const std::string& path, std::string_view bytes) override {
        if (locked.count(path)) return false;
        files[path] += bytes;
        return true;
    }
    // The contents stand in for the time, so a test that edits a file by hand is seen too.
    std::optional<FileStamp> Stamp(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return FileStamp{it->second.size(), std::hash<std::string>{}(it->second)};
    }
    int replacements = 0;
    bool ReplaceAtomically(const std::string& path, std::string_view bytes) override {
        if (locked.count(path)) return false;
        ++replacements;
        files[path] = std::string(bytes);
        return true;
    }
    // Short forms of existing files; an existing file without one answers its own path.
    std::map<std::string, std::string> shortNames;
    std::string ShortPath(const std::string& path) override {
        if (!files.count(path)) return {};
        auto it = shortNames.find(path);
        return it == shortNames.end() ? path : it->second;
    }

    // Names come back in the map's order, in a record field the length of the system's,
    // NUL-ended and then left as it was; the folder part of the pattern is compared exactly.
    std::map<SearchHandle, std::vector<std::string>> searches;
    SearchHandle nextSearch = 1;
    std::optional<SearchHandle> FindFirst(const std::string& pattern, std::string& nameField) override {
        const auto slash = pattern.rfind('\\');
        const std::string folder = pattern.substr(0, slash + 1), wild = pattern.substr(slash + 1);
        std::vector<std::string> names;
        for (const auto& [path, bytes] : files)
            if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
                path.find('\\', folder.size()) == std::string::npos && Matches(wild, path.substr(folder.size())))
                names.push_back(path.substr(folder.size()));
        if (names.empty()) return std::nullopt;
        searches[nextSearch] = names;
        if (!FindNext(nextSearch, nameField)) return std::nullopt;
        return nextSearch++;
    }
    bool FindNext(SearchHandle search, std::string& nameField) override {
        auto& left = searches.at(search);
        if (left.empty()) return false;
        const std::string name = left.front();
        left.erase(left.begin());
        nameField.replace(0, std::min(name.size() + 1, nameField.size()), name + '\0');
        return true;
    }
    void FindClose(SearchHandle search) override { searches.erase(search); }

    // * and ? as the system reads them, letter case ignored.
    static bool Matches(std::string_view wild, std::string_view name) {
        if (wild.empty()) return name.empty();
        if (wild[0] == '*') return Matches(wild.substr(1), name) || (!name.empty() && Matches(wild, name.substr(1)));
        if (name.empty()) return false;
        const bool same = wild[0] == '?' || std::tolower(static_cast<unsigned char>(wild[0])) ==
                                                std::tolower(static_cast<unsigned char>(name[0]));
        return same && Matches(wild.substr(1), name.substr(1));
    }
};

// The texts of a log file's lines, without their date and time.
inline std::vector<std::string> LogTexts(const std::string& log) {
    std::vector<std::string> texts;
    for (std::size_t pos = 0; pos < log.size();) {
        auto end = log.find("\r\n", pos);
        if (end == std::string::npos) end = log.size();
        std::string line = log.substr(pos, end - pos);
        texts.push_back(line.substr(line.find('\t') + 1));
        pos = end + 2;
    }
    return texts;
}

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
