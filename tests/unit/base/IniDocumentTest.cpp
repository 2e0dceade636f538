#include <gtest/gtest.h>

#include "core/base/IniDocument.h"
#include "core/base/IniEncoding.h"
#include "fakes/FakeSystem.h"

namespace quill::test {

// How keys read, and values within the system's buffer, are held against the system's own profile
// functions under Wine (tests/wine/settings_differential.cpp); here, what that comparison cannot
// see, and the quoting rules natively.
TEST(IniDocument, WritesTouchOnlyTheirLine) {
    struct Row {
        const char *before, *section, *key, *value, *after;
    } rows[] = {
        // replaced in place; the name keeps its spelling, other lines stay byte for byte
        {"; mine\r\n[s]\r\n  Key = old \r\n\r\nx=1\r\n", "S", "key", "new",
         "; mine\r\n[s]\r\nKey=new\r\n\r\nx=1\r\n"},
        // a new key goes after the last key of the first such section, before its blank lines
        {"[s]\r\na=1\r\n\r\n[t]\r\n[s]\r\n", "s", "b", "  2", "[s]\r\na=1\r\nb=2\r\n\r\n[t]\r\n[s]\r\n"},
        {"[s]\nbare", "s", "bare", "v", "[s]\nbare=v"},
        {"[s]\nlast=1", "s", "b", "2", "[s]\nlast=1\r\nb=2\r\n"},
        {"", "new", "k", "", "[new]\r\nk=\r\n"},
        {"a=1", "s", "k", "v", "a=1\r\n[s]\r\nk=v\r\n"},
    };
    for (const auto& r : rows) {
        IniDocument doc = IniDocument::Parse(r.before);
        EXPECT_TRUE(doc.Set(r.section, r.key, r.value));
        EXPECT_EQ(doc.Text(), r.after) << r.before;
    }
    IniDocument same = IniDocument::Parse("[s]\r\nk = v \r\n");
    EXPECT_FALSE(same.Set("s", "k", "v"));
    EXPECT_FALSE(same.Set("", "k", "v"));
    same.Set("s", "v", "line\r\n[u]\r\nw=1");  // read back as the lines it makes
    EXPECT_EQ(same.Find("u", "w") ? *same.Find("u", "w") : "<missing>", "1");
}

TEST(IniDocument, QuotedValuesComeOutAsTheSystemsBufferHoldsThem) {
    const std::string q = "\"", b511(511, 'b');
    const std::pair<std::string, std::string> rows[] = {
        {q + "quoted" + q, "quoted"},
        {"'single'", "single"},
        {q, q},
        {q + b511 + q, b511.substr(1)},  // one too long to lose the closing quote: loses a letter
    };
    for (const auto& [stored, expected] : rows) EXPECT_EQ(ProfileValue(stored, 512), expected) << stored.substr(0, 20);
}

TEST(IniEncoding, AFileKeepsTheEncodingItsMarkNames) {
    FakeTextCodec codec;
    const std::string utf16 = std::string("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xE9\0\x3C\xD8\xB5\xDF", 22);
    IniText text = DecodeIni(utf16, codec);
    EXPECT_EQ(text.encoding, IniEncoding::Utf16Le);
    EXPECT_EQ(text.utf8, "[s]\r\nk=\xC3\xA9\xF0\x9F\x8E\xB5");
    EXPECT_EQ(EncodeIni(text.utf8, text.encoding, codec), utf16);
    EXPECT_EQ(DecodeIni(std::string("\xFE\xFF\0a", 4), codec).utf8, "a");
    EXPECT_EQ(DecodeIni("\xEF\xBB\xBF\xC3\xA9\xFF", codec).utf8, "\xC3\xA9\xEF\xBF\xBD");
    EXPECT_EQ(DecodeIni("caf\xE9", codec).utf8, "caf\xC3\xA9");
    EXPECT_EQ(EncodeIni("caf\xC3\xA9", IniEncoding::Ansi, codec), "caf\xE9");
    EXPECT_EQ(AsStored("\xE4\xB8\xAD", IniEncoding::Ansi, codec), "?");
    EXPECT_EQ(AsStored("\xE4\xB8\xAD", IniEncoding::Utf8, codec), "\xE4\xB8\xAD");
}

}  // namespace quill::test
