#include "win32/Win32Files.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "win32/Utf.h"

namespace quill::win32 {

namespace {

struct Handle {
    HANDLE h;
    explicit Handle(HANDLE handle) : h(handle) {}
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
};

bool IsLog(const std::string& path) {
    constexpr std::string_view kLog = ".log";
    return path.size() >= kLog.size() &&
           std::equal(kLog.begin(), kLog.end(), path.end() - static_cast<std::ptrdiff_t>(kLog.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

bool WriteAll(HANDLE h, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(bytes.size() > 1u << 20 ? 1u << 20 : bytes.size());
        DWORD written = 0;
        if (!WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

bool Win32Files::Exists(const std::string& path) {
    DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::Delete(const std::string& path) {
    Release();
    return DeleteFileW(Wide(path).c_str()) != 0;
}

bool Win32Files::ClearAttributes(const std::string& path) {
    Release();
    return SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

bool Win32Files::Copy(const std::string& from, const std::string& to) {
    Release();
    return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != 0;
}

bool Win32Files::Rename(const std::string& from, const std::string& to) {
    Release();
    return MoveFileW(Wide(from).c_str(), Wide(to).c_str()) != 0;
}

std::optional<std::uint64_t> Win32Files::Size(const std::string& path) {
    auto stamp = Stamp(path);
    if (!stamp) return std::nullopt;
    return stamp->size;
}

std::optional<FileStamp> Win32Files::Stamp(const std::string& path) {
    Release();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return FileStamp{(static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                     (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                         data.ftLastWriteTime.dwLowDateTime};
}

std::optional<std::string> Win32Files::Read(const std::string& path, std::uint64_t offset, std::size_t maxBytes) {
    Release();
    Handle f(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.ok()) return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(f.h, &size)) return std::nullopt;
    auto total = static_cast<std::uint64_t>(size.QuadPart);
    if (offset >= total) return std::string();
    std::uint64_t want = total - offset < maxBytes ? total - offset : maxBytes;
    LARGE_INTEGER pos;
    pos.QuadPart = static_cast<LONGLONG>(offset);
    // A search reads thousands of file heads: no call that is not needed.
    if (offset > 0 && !SetFilePointerEx(f.h, pos, nullptr, FILE_BEGIN)) return std::nullopt;
    std::string out(static_cast<std::size_t>(want), '\0');
    std::size_t got = 0;
    while (got < out.size()) {
        DWORD n = 0;
        DWORD chunk = static_cast<DWORD>(out.size() - got > 1u << 20 ? 1u << 20 : out.size() - got);
        if (!ReadFile(f.h, out.data() + got, chunk, &n, nullptr) || n == 0) break;
        got += n;
    }
    out.resize(got);
    return out;
}

bool Win32Files::Write(const std::string& path, std::string_view bytes) {
    Release();
    Handle f(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return f.ok() && WriteAll(f.h, bytes);
}

bool Win32Files::ReplaceAtomically(const std::string& path, std::string_view bytes) {
    Release();
    const std::wstring target = Wide(path);
    // A read-only file keeps its contents, as it would against a plain write.
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    // Beside the target, so the rename stays on one volume and is a single step.
    const std::wstring temporary = target + L".tmp";
    {
        Handle f(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
        if (!f.ok()) return false;
        if (!WriteAll(f.h, bytes) || !FlushFileBuffers(f.h)) {
            CloseHandle(f.h);
            f.h = INVALID_HANDLE_VALUE;
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

bool Win32Files::Append(const std::string& path, std::string_view bytes) {
    if (IsLog(path)) return AppendToHeld(path, bytes);
    Release();
    Handle f(CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    return f.ok() && WriteAll(f.h, bytes);
}

bool Win32Files::AppendToHeld(const std::string& path, std::string_view bytes) {
    if (held_ == INVALID_HANDLE_VALUE || path != heldPath_) {
        Release();
        // Others may still read or delete the log while the program holds it open.
        held_ = CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held_ == INVALID_HANDLE_VALUE) return false;
        heldPath_ = path;
    }
    // Straight to the system, no buffer of the program's own: a line written survives a crash.
    if (WriteAll(held_, bytes)) return true;
    Release();  // the next line tries a fresh handle
    return false;
}

void Win32Files::Release() {
    if (held_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(held_);
    held_ = INVALID_HANDLE_VALUE;
}

std::string Win32Files::ShortPath(const std::string& path) {
    wchar_t buffer[MAX_PATH + 2];
    const DWORD n = GetShortPathNameW(Wide(path).c_str(), buffer, MAX_PATH + 2);
    // A form longer than the buffer is reported by its size and not written: none.
    if (n == 0 || n >= MAX_PATH + 2) return {};
    return Utf8(std::wstring_view(buffer, n));
}

namespace {

// The record's name field is blanked before each call, so whatever the system leaves after
// the name's NUL is plainly not part of it.
void BlankName(WIN32_FIND_DATAW& record) { std::fill(std::begin(record.cFileName), std::end(record.cFileName), L' '); }

std::string NameField(const WIN32_FIND_DATAW& record) {
    return Utf8(std::wstring_view(record.cFileName, std::size(record.cFileName)));
}

HANDLE SearchOf(Files::SearchHandle search) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(search)); }

}  // namespace

std::optional<Files::SearchHandle> Win32Files::FindFirst(const std::string& pattern, std::string& nameField) {
    WIN32_FIND_DATAW record;
    BlankName(record);
    HANDLE h = FindFirstFileW(Wide(pattern).c_str(), &record);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    nameField = NameField(record);
    return static_cast<SearchHandle>(reinterpret_cast<std::uintptr_t>(h));
}

bool Win32Files::FindNext(SearchHandle search, std::string& nameField) {
    WIN32_FIND_DATAW record;
    BlankName(record);
    if (!FindNextFileW(SearchOf(search), &record)) return false;
    nameField = NameField(record);
    return true;
}

void Win32Files::FindClose(SearchHandle search) { ::FindClose(SearchOf(search)); }

}  // namespace quill::win32
