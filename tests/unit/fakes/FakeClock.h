#pragma once
#include "core/platform/Clock.h"

namespace quill::test {

class FakeClock : public Clock {
public:
    LocalTime now{2006, 5, 17, 14, 3, 22};
    LocalTime Now() override { return now; }
};

}  // namespace quill::test
