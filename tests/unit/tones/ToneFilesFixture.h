#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/base/Log.h"
#include "core/tones/ToneFiles.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
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

    // The texts logged so far, without their time stamps.
    std::vector<std::string> Logged() {
        std::vector<std::string> texts;
        std::istringstream lines(logDisk.files[log.Path()]);
        for (std::string line; std::getline(lines, line);) {
            line = line.substr(line.find('\t') + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            texts.push_back(line);
        }
        return texts;
    }
};

}  // namespace quill::test
