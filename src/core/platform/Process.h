#pragma once
#include <string>

namespace quill {

class Process {
public:
    virtual ~Process() = default;
    // The folder of the program file, as the system gives it.
    virtual std::string ProgramFolder() = 0;
    virtual bool AnotherInstanceRunning() = 0;
};

}  // namespace quill
