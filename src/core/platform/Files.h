#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// Enough to tell that a file changed since it was last read.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    bool operator==(const FileStamp&) const = default;
};

// Files and folders. Paths are Windows paths in UTF-8; contents are raw bytes.
class Files {
public:
    virtual ~Files() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Makes an existing file a normal one (not read-only, hidden or system), so it can be replaced.
    virtual bool ClearAttributes(const std::string& path) { return Exists(path); }
    // Overwrites an existing target.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // Moves a file to a name that is not taken yet.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual std::optional<std::uint64_t> Size(const std::string& path) = 0;
    // At most maxBytes from offset; fewer at the end of the file. nullopt: cannot open.
    virtual std::optional<std::string> Read(const std::string& path, std::uint64_t offset,
                                            std::size_t maxBytes) = 0;
    // Creates or truncates.
    virtual bool Write(const std::string& path, std::string_view bytes) = 0;
    // Creates when missing.
    virtual bool Append(const std::string& path, std::string_view bytes) = 0;
    // nullopt: missing.
    virtual std::optional<FileStamp> Stamp(const std::string& path) = 0;
    // Creates or replaces in one step: whatever happens meanwhile, the file holds either its
    // old bytes or all of the new ones. False leaves the old file as it was.
    virtual bool ReplaceAtomically(const std::string& path, std::string_view bytes) = 0;
    // The system's short (8.3) form of an existing file's path; "" when it gives none.
    virtual std::string ShortPath(const std::string& path) = 0;

    // Directory search, first and next as the system runs it: pattern is a folder followed by
    // a name with * and ?, matched without regard to letter case. Each call hands back the
    // find record's name field as it stands, which may run on past a NUL.
    using SearchHandle = std::uint64_t;
    // nullopt: nothing matches, or the folder does not exist.
    virtual std::optional<SearchHandle> FindFirst(const std::string& pattern, std::string& nameField) = 0;
    // false: no more names.
    virtual bool FindNext(SearchHandle search, std::string& nameField) = 0;
    virtual void FindClose(SearchHandle search) = 0;
};

}  // namespace quill
