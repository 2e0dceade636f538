#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/Log.h"
#include "core/tones/ToneFiles.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
#include "fakes/LogTexts.h"
#include "fakes/FakeSystem.h"
#include "tones/ReadWatchingFiles.h"
#include "tones/ToneTestBytes.h"

namespace quill::test {

class ToneFilesFixture : public ::testing::Test {
protected:
    ReadWatchingFiles disk;
    FakeFiles logDisk;  // apart, so the log never counts as a change on disk
    FakeClock clock;
    Shared shared{.ProgramFolder = "C:\\Quillares\\"};
    Log log{logDisk, clock, shared};
    FakeTextCodec codec;
    ToneFiles tones{disk, log, codec};

    std::vector<std::string> Logged() { return LogTexts(logDisk.files[log.Path()]); }
};

}  // namespace quill::test
