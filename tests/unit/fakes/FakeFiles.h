#pragma once
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/platform/Files.h"

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
    std::optional<std::uint64_t> Size(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }
    std::optional<std::string> Read(const std::string& path, std::uint64_t offset,
                                    std::size_t maxBytes) override {
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

}  // namespace quill::test
