#include "simcore/CommandLine.h"

namespace skypesim {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool haveLog = false;
    for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--log") {
            if (haveLog)
                line.error = "--log given twice";
            else if (i + 1 >= args.size() || args[i + 1].empty())
                line.error = "--log needs a path";
            else
                line.logPath = args[++i];
            haveLog = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            line.error = "unknown option " + arg;
        } else if (!line.scenarioPath.empty()) {
            line.error = "more than one scenario file";
        } else if (arg.empty()) {
            line.error = "empty scenario path";
        } else {
            line.scenarioPath = arg;
        }
    }
    if (line.error.empty() && line.scenarioPath.empty()) line.error = "no scenario file";
    return line;
}

}  // namespace skypesim
