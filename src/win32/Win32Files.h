#pragma once
#include <windows.h>

#include "core/platform/Files.h"

namespace quill::win32 {

class Win32Files : public Files {
public:
    Win32Files() = default;
    Win32Files(const Win32Files&) = delete;
    Win32Files& operator=(const Win32Files&) = delete;
    ~Win32Files() override { Release(); }

    bool Exists(const std::string& path) override;
    bool Delete(const std::string& path) override;
    bool ClearAttributes(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Rename(const std::string& from, const std::string& to) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::optional<std::string> Read(const std::string& path, std::uint64_t offset, std::size_t maxBytes) override;
    bool Write(const std::string& path, std::string_view bytes) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    bool ReplaceAtomically(const std::string& path, std::string_view bytes) override;
    std::string ShortPath(const std::string& path) override;
    std::optional<SearchHandle> FindFirst(const std::string& pattern, std::string& nameField) override;
    bool FindNext(SearchHandle search, std::string& nameField) override;
    void FindClose(SearchHandle search) override;

private:
    // A log (*.log) gets thousands of appends a line each, and opening and closing it cost more
    // than the write: its handle stays open. Every call that writes, moves, reads or measures a
    // file closes it first, so the log is never in the way and never shows a stale size.
    bool AppendToHeld(const std::string& path, std::string_view bytes);
    void Release();

    HANDLE held_ = INVALID_HANDLE_VALUE;
    std::string heldPath_;
};

}  // namespace quill::win32
