#pragma once
#include <cstdint>
#include <string>

#include "Require.h"
#include "core/base/Log.h"
#include "core/tones/ToneFiles.h"
#include "Require.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeSystem.h"
#include "tones/ReadWatchingFiles.h"

namespace quill::fuzz {

// One fuzz input as the only file on an in-memory disk, and the promises every tone
// reader makes about such a file whatever it holds.
class FuzzTone {
public:
    FuzzTone(std::string tonePath, const std::uint8_t* data, std::size_t size)
        : path(std::move(tonePath)), bytes(reinterpret_cast<const char*>(data), size) {
        disk.files[path] = bytes;
    }

    static void Require(bool holds, const char* promise) { fuzz::Require(holds, promise); }

    std::string LogText() { return logDisk.files[log.Path()]; }
    bool LoggedOnly(const std::string& text) {
        return LogText() == Log::FormatLine(clock.now, text);
    }

    // Readers leave the file alone and never ask for more than it holds.
    void RequireReadOnlyAndBounded() {
        Require(disk.files.size() == 1 && disk.files[path] == bytes, "readers change nothing");
        Require(disk.largestRead <= bytes.size(), "no read larger than the file");
    }

    const std::string path;
    const std::string bytes;
    test::ReadWatchingFiles disk;
    test::FakeFiles logDisk;
    test::FakeClock clock;
    Shared shared{.ProgramFolder = "C:\\Quillares\\"};
    Log log{logDisk, clock, shared};
    test::FakeTextCodec codec;
    ToneFiles tones{disk, log, codec};
};

}  // namespace quill::fuzz
