#pragma once
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/base/Settings.h"
#include "core/base/Text.h"
#include "win32/Utf.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Files.h"
#include "win32/Win32TextCodec.h"

namespace quill::wine {

// The engine as the program holds it, on the settings files of one folder.
struct Engine {
    win32::Win32Files files;
    win32::Win32TextCodec codec;
    win32::Win32Clock clock;
    Shared shared;
    Log log{files, clock, shared};
    Settings settings{files, codec, log, shared};

    explicit Engine(const std::string& folder) {
        shared.ProgramFolder = folder;
        shared.IniName = "Quillares.ini";
    }
};

// The system's profile functions, called the way the program called them before the engine.
inline std::string SystemRead(const std::string& path, const std::string& section, const std::string& key) {
    std::vector<wchar_t> buffer(Settings::kBufferChars, L'\0');
    DWORD n = GetPrivateProfileStringW(win32::Wide(section).c_str(), win32::Wide(key).c_str(), L"", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), win32::Wide(path).c_str());
    std::string value = win32::Utf8(std::wstring_view(buffer.data(), n));
    CutAtNul(value);
    return value;
}

inline void SystemWrite(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    WritePrivateProfileStringW(win32::Wide(section).c_str(), win32::Wide(key).c_str(), win32::Wide(value).c_str(),
                               win32::Wide(path).c_str());
}

// The folder named by the first argument (a Windows path), ending in "\".
inline std::string FolderArgument(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    if (!EndsWith(folder, "\\")) folder += "\\";
    return folder;
}

// The seconds a piece of work takes.
template <class Work>
double Time(Work&& work) {
    LARGE_INTEGER frequency, from, to;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&from);
    work();
    QueryPerformanceCounter(&to);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One piece of work timed both ways in the same run.
struct Figure {
    double system = 0, engine = 0;
    void Print(const char* what) const {
        std::printf("%-34s system %8.3f s   engine %8.3f s   ratio %7.1fx\n", what, system, engine,
                    engine > 0 ? system / engine : 0.0);
    }
};

}  // namespace quill::wine
