#pragma once
#include <gtest/gtest.h>

#include "tones/ToneDisk.h"
#include "tones/ToneTestBytes.h"

namespace quill::test {

class ToneFilesFixture : public ::testing::Test, public ToneDisk {};

}  // namespace quill::test
