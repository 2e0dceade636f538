#pragma once
#include <gtest/gtest.h>

#include "core/base/Log.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"

namespace quill::test {

// A log in C:\Q\ on a fake disk, for the pieces that only need it and the settings.
struct LogOnFakeDisk : ::testing::Test {
    FakeFiles files;
    FakeClock clock;
    Shared shared{.ProgramFolder = "C:\\Q\\", .IniName = "Quillares.ini"};
    Log log{files, clock, shared};
    std::string& LogText() { return files.files["C:\\Q\\Quillares.log"]; }
};

}  // namespace quill::test
