#pragma once
#include "core/platform/Clock.h"

namespace quill::test {

class FakeClock : public Clock {
public:
    LocalTime now{2006, 5, 17, 14, 3, 22};
    std::uint64_t ms = 0;
    LocalTime Now() override { return now; }
    std::uint64_t Milliseconds() override { return ms; }
};

}  // namespace quill::test
