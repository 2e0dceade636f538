#pragma once
#include <cstdint>

namespace quill {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    // Milliseconds from an arbitrary start, never going back: for measuring how long something takes.
    virtual std::uint64_t Milliseconds() = 0;
};

}  // namespace quill
