#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/base/IniDocument.h"
#include "core/base/IniEncoding.h"
#include "core/base/Log.h"
#include "core/platform/Files.h"
#include "core/platform/TextCodec.h"

namespace quill {

// Settings files by full path, each parsed once and kept while its size and time stay the
// same, so another program's change is seen at the next read. A write is saved at once,
// or at the end of the batch it belongs to; every save replaces the file in one step.
class IniFiles {
public:
    // Far beyond any settings file the program makes; a larger one is left alone.
    static constexpr std::uint64_t kMaxBytes = 16u << 20;

    IniFiles(Files& files, TextCodec& codec, Log& log) : files_(files), codec_(codec), log_(log) {}

    // The stored value, blanks and quotes and all; nullopt when there is none.
    std::optional<std::string> Read(const std::string& path, std::string_view section, std::string_view key);
    void Write(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

    // Batches nest; the outermost end saves every file they changed.
    void BeginBatch();
    void EndBatch();

private:
    struct Cached {
        std::string path;
        IniDocument doc;
        IniEncoding encoding = IniEncoding::Ansi;
        std::optional<FileStamp> stamp;  // nullopt: the file was missing
        bool loaded = false;
        bool writable = true;  // false for a file that could not be read whole
        bool dirty = false;
        unsigned checkedInBatch = 0;
    };

    Cached& Current(const std::string& path);
    void Load(Cached& c, const std::optional<FileStamp>& stamp);
    // A save that fails drops the entry, so the file is read again as it is.
    void Save(const std::string& cacheKey);

    Files& files_;
    TextCodec& codec_;
    Log& log_;
    std::unordered_map<std::string, Cached> cache_;
    int batchDepth_ = 0;
    unsigned batch_ = 0;
};

}  // namespace quill
