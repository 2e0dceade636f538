#include "core/ui/LanguageFile.h"

#include "core/base/Text.h"

namespace quill::ui {

namespace {

std::string LineBreaksFromTildes(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == '~')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

}  // namespace

LanguageFile LanguageFile::Read(Files& files, TextCodec& codec, Log& log, const std::string& path) {
    const auto bytes = files.Read(path, 0, kMaxBytes + 1);
    if (!bytes) return {};
    if (bytes->size() > kMaxBytes) {
        log.WriteLog("Quillares: language file too large, not read: " + path);
        return {};
    }
    // Converted first: in a double-byte code page "=" or "~" may be the second byte of a letter.
    return Parse(codec.AnsiToUtf8(*bytes));
}

LanguageFile LanguageFile::Parse(std::string_view text) {
    LanguageFile file;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\r', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (pos < text.size() && text[pos] == '\n') ++pos;

        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string key = Trim(line.substr(0, eq));
        if (key.empty()) continue;
        file.lines_.push_back({std::move(key), LineBreaksFromTildes(line.substr(eq + 1))});
    }
    return file;
}

const std::string* LanguageFile::Find(std::string_view key) const {
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it)
        if (it->key == key) return &it->value;
    return nullptr;
}

}  // namespace quill::ui
