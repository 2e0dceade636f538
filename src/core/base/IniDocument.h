#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quill {

// The text of a settings file as the system's profile functions understand it. Every line
// stays as it was until a write replaces it; blank lines, comments and lines without "="
// are kept. Section and key names compare without regard to ASCII letter case; the first
// of duplicate sections or keys counts. After every change the document is what parsing its
// own text gives, as it is for the system, which reads a file back after writing it.
class IniDocument {
public:
    static IniDocument Parse(std::string_view text);
    std::string Text() const;

    // The value of the first such key of the first such section; null when there is none or
    // its line has no "=". Names are taken without surrounding blanks.
    const std::string* Find(std::string_view section, std::string_view key) const;
    // What a text becomes once written to the file (characters its code page lacks).
    using Stored = std::function<std::string(std::string_view)>;
    // Replaces the key's value, or adds the key at the end of its section, or adds the
    // section at the end of the text. Names are looked up as given and written as stored,
    // so a name the file cannot hold is never found again. False when the text stays as it was.
    bool Set(std::string_view section, std::string_view key, std::string_view value, const Stored& stored = {});

private:
    enum class End : unsigned char { None, Lf, Cr, CrLf };
    struct Line {
        std::string text;
        End end = End::CrLf;
        bool isEntry = false;
        std::string name;
        std::optional<std::string> value;
    };
    struct Section {
        std::optional<Line> header;  // none for the lines before the first header
        std::string name;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> firstEntry;  // lower-case name -> line
        std::size_t entriesEnd = 0;                               // one past the last entry
    };

    void Append(std::string_view text, End end);
    Line* LastLine();
    void Reparse() { *this = Parse(Text()); }

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> firstSection_;
};

// A stored value as the system's read copies it into a buffer of bufferChars UTF-16
// units: a value in matching quotes loses them, and at most bufferChars - 1 units come back.
std::string ProfileValue(std::string_view value, std::size_t bufferChars);

}  // namespace quill
