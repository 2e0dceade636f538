#pragma once
#include <string>
#include <vector>

#include "core/base/Log.h"
#include "core/tones/ToneFiles.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeSystem.h"

namespace quill::test {

// The tone readers over an in-memory disk; shared by the unit tests and the fuzz targets.
struct ToneDisk {
    FakeFiles disk;
    FakeFiles logDisk;  // apart, so the log never counts as a change on disk
    FakeClock clock;
    Shared shared{.ProgramFolder = "C:\\Quillares\\"};
    Log log{logDisk, clock, shared};
    FakeTextCodec codec;
    FakeMp3Decoder mp3;
    ToneFiles tones{disk, log, codec, mp3};

    std::vector<std::string> Logged() { return LogTexts(logDisk.files[log.Path()]); }
};

}  // namespace quill::test
