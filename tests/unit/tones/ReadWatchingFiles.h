#pragma once
#include "fakes/FakeFiles.h"

namespace quill::test {

using ReadWatchingFiles = FakeFiles;  // FakeFiles counts its reads itself

}  // namespace quill::test
