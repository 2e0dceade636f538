#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>

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
};

}  // namespace quill::test
