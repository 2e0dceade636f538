// Any bytes as the language file: every window reads it through the same reader.
#include <cstdint>
#include <string>

#include "Require.h"
#include "core/ui/LanguageFile.h"
#include "tones/ToneDisk.h"

using quill::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = "C:\\Quillares\\english.txt";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    quill::test::ToneDisk t;
    auto& disk = t.disk;
    disk.files[path] = bytes;

    const auto file = quill::ui::LanguageFile::Read(disk, t.codec, t.log, path);
    for (const auto& line : file.Lines()) {
        const auto& key = line.key;
        Require(!key.empty() && key.front() != ' ' && key.back() != ' ', "keys are trimmed and never empty");
        Require(key.find_first_of("=\r") == std::string::npos, "a key ends at the first = of one line");
        Require(line.value.find('~') == std::string::npos, "every ~ became a line break");
        for (std::size_t i = line.value.find('\r'); i != std::string::npos; i = line.value.find('\r', i + 1))
            Require(i + 1 < line.value.size() && line.value[i + 1] == '\n', "a CR in a value comes from ~");
        Require(file.Find(key) != nullptr, "every key read can be found");
    }
    Require(file.Lines().size() <= size / 2, "a line holds at least a key and =");
    Require(disk.files.size() == 1 && disk.files[path] == bytes && t.Logged().empty(), "reading changes nothing");
    Require(disk.largestRead <= quill::ui::LanguageFile::kMaxBytes + 1, "reads are bounded");
    return 0;
}
