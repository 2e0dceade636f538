#include "core/base/IniDocument.h"

#include <algorithm>

#include "core/base/Text.h"
#include "core/base/Unicode.h"

namespace quill {

namespace {

// The system also counts the end-of-file mark (26) as a blank.
constexpr std::string_view kBlanks = " \t\n\v\f\r\x1a";

std::string_view TrimLeft(std::string_view s) {
    auto b = s.find_first_not_of(kBlanks);
    return b == std::string_view::npos ? std::string_view() : s.substr(b);
}

std::string_view TrimRight(std::string_view s) {
    auto e = s.find_last_not_of(kBlanks);
    return e == std::string_view::npos ? std::string_view() : s.substr(0, e + 1);
}

std::string_view TrimBlanks(std::string_view s) { return TrimRight(TrimLeft(s)); }

// Names and values end at a zero character, as C strings do for the system.
std::string UpToNul(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

struct ParsedLine {
    enum Kind { Blank, Header, Entry } kind = Blank;
    std::string name;
    std::optional<std::string> value;
};

ParsedLine ParseLine(std::string_view raw) {
    std::string_view line = TrimBlanks(raw);
    if (line.empty()) return {};
    if (line.front() == '[') {
        auto close = line.rfind(']');
        if (close != std::string_view::npos && close > 0)
            return {ParsedLine::Header, UpToNul(TrimBlanks(line.substr(1, close - 1))), std::nullopt};
    }
    auto eq = line.find('=');
    if (eq == std::string_view::npos) return {ParsedLine::Entry, UpToNul(line), std::nullopt};
    return {ParsedLine::Entry, UpToNul(TrimRight(line.substr(0, eq))), UpToNul(TrimLeft(line.substr(eq + 1)))};
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.sections_.emplace_back();
    doc.firstSection_.emplace("", 0);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            doc.Append(text.substr(pos), End::None);
            break;
        }
        End end = text[stop] == '\n' ? End::Lf : End::Cr;
        std::size_t next = stop + 1;
        if (end == End::Cr && next < text.size() && text[next] == '\n') {
            end = End::CrLf;
            ++next;
        }
        doc.Append(text.substr(pos, stop - pos), end);
        pos = next;
    }
    return doc;
}

void IniDocument::Append(std::string_view text, End end) {
    ParsedLine parsed = ParseLine(text);
    Line line{std::string(text), end, parsed.kind == ParsedLine::Entry, std::move(parsed.name),
              std::move(parsed.value)};
    if (parsed.kind == ParsedLine::Header) {
        Section s;
        s.name = line.name;
        s.header = std::move(line);
        firstSection_.emplace(LowerAscii(s.name), sections_.size());
        sections_.push_back(std::move(s));
        return;
    }
    Section& s = sections_.back();
    if (line.isEntry) {
        s.firstEntry.emplace(LowerAscii(line.name), s.lines.size());
        s.entriesEnd = s.lines.size() + 1;
    }
    s.lines.push_back(std::move(line));
}

std::string IniDocument::Text() const {
    static constexpr std::string_view kEnds[] = {"", "\n", "\r", "\r\n"};
    std::size_t size = 0;
    for (const auto& s : sections_) {
        if (s.header) size += s.header->text.size() + 2;
        for (const auto& l : s.lines) size += l.text.size() + 2;
    }
    std::string out;
    out.reserve(size);
    auto put = [&](const Line& l) {
        out += l.text;
        out += kEnds[static_cast<int>(l.end)];
    };
    for (const auto& s : sections_) {
        if (s.header) put(*s.header);
        for (const auto& l : s.lines) put(l);
    }
    return out;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
    auto s = firstSection_.find(LowerAscii(TrimBlanks(section)));
    if (s == firstSection_.end()) return nullptr;
    const Section& sec = sections_[s->second];
    auto e = sec.firstEntry.find(LowerAscii(TrimBlanks(key)));
    if (e == sec.firstEntry.end()) return nullptr;
    const auto& value = sec.lines[e->second].value;
    return value ? &*value : nullptr;
}

IniDocument::Line* IniDocument::LastLine() {
    for (auto s = sections_.rbegin(); s != sections_.rend(); ++s) {
        if (!s->lines.empty()) return &s->lines.back();
        if (s->header) return &*s->header;
    }
    return nullptr;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value,
                      const Stored& stored) {
    const std::string_view name = TrimBlanks(section), k = TrimBlanks(key);
    // The system would file such a key under whatever precedes it.
    if (name.empty() || k.empty()) return false;
    auto as = [&](std::string_view s) { return stored ? stored(s) : std::string(s); };
    const std::string v = as(TrimLeft(value));

    auto s = firstSection_.find(LowerAscii(name));
    if (s == firstSection_.end()) {
        if (Line* last = LastLine(); last && last->end == End::None) last->end = End::CrLf;
        // Chars, not C strings: GCC 12 warns falsely (-Wrestrict) on a C string + a temporary.
        std::string header = '[' + as(name) + ']';
        std::string text = as(k) + "=" + v;
        // Lines are taken as parsing reads them, so a name like "[x]" or "a=b" means what
        // the system makes of it when it reads the file back.
        Append(header, End::CrLf);
        Append(text, End::CrLf);
        if (HasLineBreak(header) || HasLineBreak(text)) Reparse();
        return true;
    }

    Section& sec = sections_[s->second];
    auto e = sec.firstEntry.find(LowerAscii(k));
    if (e != sec.firstEntry.end()) {
        Line& line = sec.lines[e->second];
        std::string text = line.name + "=" + v;
        ParsedLine parsed = ParseLine(text);
        if (parsed.value == line.value && parsed.name == line.name && !HasLineBreak(text)) return false;
        line.text = std::move(text);
        if (HasLineBreak(line.text) || parsed.kind != ParsedLine::Entry || parsed.name != line.name)
            Reparse();
        else
            line.value = std::move(parsed.value);
        return true;
    }

    std::size_t at = sec.entriesEnd;
    Line* before = at > 0 ? &sec.lines[at - 1] : sec.header ? &*sec.header : nullptr;
    if (before && before->end == End::None) before->end = End::CrLf;
    const std::string storedKey = as(k);
    std::string text = storedKey + "=" + v;
    ParsedLine parsed = ParseLine(text);
    const bool plain = !HasLineBreak(text) && parsed.kind == ParsedLine::Entry && parsed.name == storedKey;
    sec.lines.insert(sec.lines.begin() + static_cast<std::ptrdiff_t>(at),
                     Line{std::move(text), End::CrLf, true, std::move(parsed.name), std::move(parsed.value)});
    if (!plain) {
        Reparse();
        return true;
    }
    sec.firstEntry.emplace(LowerAscii(storedKey), at);
    sec.entriesEnd = at + 1;
    return true;
}

std::string ProfileValue(std::string_view value, std::size_t bufferChars) {
    if (bufferChars == 0) return {};
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    const std::size_t units = Utf16Length(value);
    std::string out = FirstUtf16Units(value, std::min(units, bufferChars - 1));
    // The closing quote goes only when the whole value fit; a value one unit too long for
    // that loses its last character instead, as the system's copy does.
    if (quoted && bufferChars >= units && !out.empty()) out = FirstUtf16Units(out, Utf16Length(out) - 1);
    return out;
}

}  // namespace quill
