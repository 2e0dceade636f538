#pragma once
#include <string>
#include <vector>

namespace skypesim {

struct CommandLine {
    std::string scenarioPath;
    std::string logPath;  // empty: no log file
    std::string error;    // set when the arguments are not usable
};

inline constexpr const char* kUsage = "usage: skype-sim.exe <scenario-file> [--log <path>]";

// Arguments without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace skypesim
