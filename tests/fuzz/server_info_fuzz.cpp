// The server information file, as any server may answer it.
#include <cstdint>
#include <string>

#include "Require.h"
#include "core/server/ServerInfoFile.h"

using quill::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto lines = quill::InfoFileLines(text);
    std::size_t bytes = 0;
    for (const auto& l : lines) {
        Require(l.find('\r') == std::string::npos, "no line holds a carriage return");
        bytes += l.size();
    }
    Require(bytes <= size, "lines hold no more than the file");
    const quill::ServerInfo info = quill::ReadServerInfo(text);
    Require(info.voices.size() <= quill::ServerInfo::kMaxVoices, "the voice list is bounded");
    Require(info.voices.size() * 2 + 6 <= lines.size() || info.voices.empty(), "every voice has its two lines");
    return 0;
}
