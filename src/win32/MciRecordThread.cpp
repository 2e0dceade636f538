#include "win32/MciRecordThread.h"

#include <tlhelp32.h>

#include <cctype>
#include <set>
#include <sstream>
#include <vector>

namespace quill::win32 {

namespace {

constexpr DWORD kEndMs = 5000;
constexpr ULONG kThreadStartAddress = 9;  // ThreadQuerySetWin32StartAddress
using QueryThread = LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);

// The command's words, lower case.
std::vector<std::string> Words(const std::string& command) {
    std::istringstream in(command);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        words.push_back(word);
    }
    return words;
}

bool UnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// The threads of this process that started in the wave driver.
std::set<DWORD> DriverThreads() {
    std::set<DWORD> ids;
    const auto driver = reinterpret_cast<const BYTE*>(GetModuleHandleW(L"mciwave.dll"));
    const auto query = reinterpret_cast<QueryThread>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
    if (!driver || !query) return ids;
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(driver);
    const auto size = reinterpret_cast<const IMAGE_NT_HEADERS*>(driver + dos->e_lfanew)->OptionalHeader.SizeOfImage;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId()) continue;
        const HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        const BYTE* start = nullptr;
        if (query(thread, kThreadStartAddress, &start, sizeof start, nullptr) == 0 && start >= driver &&
            start < driver + size)
            ids.insert(entry.th32ThreadID);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return ids;
}

}  // namespace

unsigned MciRecordThread::Around(const std::string& command, const std::function<unsigned()>& send) {
    const auto words = Words(command);
    if (words.size() < 2 || !UnderWine()) return send();
    if (words[0] == "record") {
        Join();
        const std::set<DWORD> before = DriverThreads();
        const unsigned result = send();
        for (DWORD id : DriverThreads()) {
            if (before.count(id) || !(thread_ = OpenThread(SYNCHRONIZE, FALSE, id))) continue;
            device_ = words[1];
            break;
        }
        return result;
    }
    const unsigned result = send();
    if (thread_ && (words[1] == device_ || words[1] == "all") &&
        (words[0] == "stop" || words[0] == "save" || words[0] == "close"))
        Join();
    return result;
}

void MciRecordThread::Join() {
    if (!thread_) return;
    // Bounded: a driver thread that never ends costs a wait, not the program.
    WaitForSingleObject(thread_, kEndMs);
    CloseHandle(thread_);
    thread_ = nullptr;
}

}  // namespace quill::win32
