// skype-sim.exe <scenario-file> [--log <path>]: plays Skype's side of the Desktop API.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "simcore/CommandLine.h"
#include "simcore/ScenarioParser.h"
#include "simcore/Simulator.h"
#include "win32/LogOutput.h"
#include "win32/Win32Host.h"
#include "win32/WideText.h"

namespace {

using namespace skypesim;

constexpr int kExitBadInput = 2;
constexpr int kExitNoWindows = 1;

std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return args;
}

// Reads one byte past the limit, so the parser can tell an oversized file from a full one.
bool ReadBounded(const std::string& path, std::string& text) {
    std::FILE* file = _wfopen(WideFromUtf8(path).c_str(), L"rb");
    if (file == nullptr) return false;
    text.resize(kMaxScenarioBytes + 1);
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    text.resize(got);
    return !failed;
}

void Complain(const std::string& message) {
    const std::string line = "skype-sim: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace

int main() {
    // Raw UTF-8 and bare line feeds on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    const CommandLine commandLine = ParseCommandLine(Arguments());
    if (!commandLine.error.empty()) {
        Complain(commandLine.error + "\n" + kUsage);
        return kExitBadInput;
    }
    std::string text;
    if (!ReadBounded(commandLine.scenarioPath, text)) {
        Complain(commandLine.scenarioPath + ": cannot read the scenario file");
        return kExitBadInput;
    }
    const ParseOutcome parsed = ParseScenario(text);
    if (parsed.error) {
        Complain(FormatParseError(commandLine.scenarioPath, *parsed.error));
        return kExitBadInput;
    }
    LogOutput output;
    if (!commandLine.logPath.empty() && !output.OpenFile(commandLine.logPath)) {
        Complain(commandLine.logPath + ": cannot open the log file");
        return kExitBadInput;
    }

    Win32Host host(output);
    if (!host.Init()) {
        Complain("cannot register the window classes and messages");
        return kExitNoWindows;
    }
    Simulator simulator(parsed.scenario, host);
    host.Attach(simulator);
    if (!simulator.Start()) return kExitNoWindows;
    host.RequestRun();
    return host.MessageLoop();
}
