#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Log.h"
#include "core/platform/Files.h"
#include "core/platform/TextCodec.h"

namespace quill::ui {

// One "key=value" line of a language file.
struct LanguageLine {
    std::string key;    // blanks around it removed, tabs kept
    std::string value;  // untrimmed; every "~" became CR LF
};

// The language file as every window reads it: ANSI text on disk, UTF-8 here. A line ends at
// CR or CR LF (a lone LF stays in the line); only the first "=" separates key from value.
// Lines without "=" or with an empty key are left out, so comments can stand anywhere.
class LanguageFile {
public:
    static constexpr std::size_t kMaxBytes = 1u << 20;

    // A file that cannot be read is empty; so is one over kMaxBytes, with a log line.
    static LanguageFile Read(Files& files, TextCodec& codec, Log& log, const std::string& path);
    static LanguageFile Parse(std::string_view utf8);

    // In file order, so a window that maps several keys to one caption lets the later win.
    const std::vector<LanguageLine>& Lines() const& { return lines_; }
    // A file read on the spot hands its lines over, so a loop over them outlives it safely.
    std::vector<LanguageLine> Lines() && { return std::move(lines_); }
    // The value of the key's last line, compared case-sensitively; nullptr when absent.
    const std::string* Find(std::string_view key) const;

private:
    std::vector<LanguageLine> lines_;
};

}  // namespace quill::ui
