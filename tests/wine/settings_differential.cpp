// Runs the same reads and writes through the system's profile functions and through the
// settings engine, and compares every value read and the files they leave.
// Usage: settings_differential.exe <folder> [generated cases] [seed]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>

#include "WineSettings.h"
#include "core/base/IniEncoding.h"

namespace {

using namespace quill;
using namespace quill::wine;

struct Op {
    char kind;  // R read, W write, E someone else rewrites the file, B/b batch begins/ends
    std::string section, key, value;
};

struct Case {
    std::string name;
    std::optional<std::string> start;  // the file's bytes before the first op; none: missing
    std::vector<Op> ops;
};

std::string Show(const std::string& s) {
    std::string out;
    for (unsigned char c : s.substr(0, 240)) {
        char shown[8];
        std::snprintf(shown, sizeof shown, c >= 32 && c != '\\' ? "%c" : "\\x%02x", c);
        out += shown;
    }
    return out;
}

// The file as the system writes it back after loading it: lines trimmed, blank lines gone, no
// blanks around "=". The engine keeps the lines it did not change, so files are compared in this form.
std::string Canonical(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\v\f\r\x1a";
    auto trim = [&](std::string_view s) {
        auto b = s.find_first_not_of(blanks);
        if (b == std::string_view::npos) return std::string_view();
        return s.substr(b, s.find_last_not_of(blanks) - b + 1);
    };
    auto c = [](std::string_view s) { return std::string(s.substr(0, s.find('\0'))); };
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;
        auto close = line.rfind(']');
        auto eq = line.find('=');
        if (line[0] == '[' && close != std::string_view::npos && close > 0)
            out += "[" + c(trim(line.substr(1, close - 1))) + "]";
        else if (eq != std::string_view::npos)
            out += c(trim(line.substr(0, eq))) + "=" + c(trim(line.substr(eq + 1)));
        else
            out += c(line);
        out += "\n";
    }
    return out;
}

struct Runner {
    const std::string folder;
    Engine engine{folder};
    int reads = 0, comparisons = 0, mismatches = 0;

    void Run(const Case& c, int index) {
        const std::string eng = "eng-" + std::to_string(index) + ".ini";
        const std::string sys = folder + "sys-" + std::to_string(index) + ".ini";
        engine.files.Delete(folder + eng);
        engine.files.Delete(sys);
        if (c.start) SetBoth(eng, sys, *c.start);
        std::unique_ptr<SettingsBatch> batch;
        for (std::size_t i = 0; i < c.ops.size(); ++i) {
            const Op& op = c.ops[i];
            const std::string where = c.name + " op " + std::to_string(i + 1);
            if (op.kind == 'R') {
                ++reads;
                const std::string mine = engine.settings.ReadIniFile(eng, op.section, op.key);
                const std::string theirs = SystemRead(sys, op.section, op.key);
                if (mine != theirs)
                    Mismatch(where + " read [" + Show(op.section) + "] " + Show(op.key) + ": engine \"" +
                             Show(mine) + "\", system \"" + Show(theirs) + "\"");
            } else if (op.kind == 'W') {
                engine.settings.WriteIniFile(eng, op.section, op.key, op.value);
                SystemWrite(sys, op.section, op.key, op.value);
                if (!batch) Compare(where, folder + eng, sys);
            } else if (op.kind == 'E') {
                SetBoth(eng, sys, op.value);
            } else if (op.kind == 'B') {
                batch = std::make_unique<SettingsBatch>(engine.settings);
            } else if (op.kind == 'b') {
                batch.reset();
                Compare(where, folder + eng, sys);
            }
        }
        batch.reset();
        Compare(c.name + " end", folder + eng, sys);
    }

    void SetBoth(const std::string& eng, const std::string& sys, const std::string& bytes) {
        engine.files.Write(folder + eng, bytes);
        engine.files.Write(sys, bytes);
    }

    void Compare(const std::string& where, const std::string& eng, const std::string& sys) {
        ++comparisons;
        const std::string mineBytes = FileBytes(eng), theirBytes = FileBytes(sys);
        if (mineBytes == theirBytes) return;
        const IniText mine = DecodeIni(mineBytes, engine.codec), theirs = DecodeIni(theirBytes, engine.codec);
        const std::string a = Canonical(mine.utf8), b = Canonical(theirs.utf8);
        if (mine.encoding == theirs.encoding && a == b) return;
        std::size_t from = 0;
        while (from < a.size() && from < b.size() && a[from] == b[from]) ++from;
        from = from > 40 ? from - 40 : 0;
        Mismatch(where + " files differ from byte " + std::to_string(from) + ":\n  engine \"" + Show(a.substr(from)) +
                 "\"\n  system \"" + Show(b.substr(from)) + "\"");
    }

    std::string FileBytes(const std::string& path) {
        return engine.files.Read(path, 0, 1u << 26).value_or("<missing>");
    }

    void Mismatch(const std::string& what) {
        if (++mismatches <= 30) std::printf("MISMATCH %s\n", what.c_str());
    }
};

Op R(std::string s, std::string k) { return {'R', std::move(s), std::move(k), ""}; }
Op W(std::string s, std::string k, std::string v) { return {'W', std::move(s), std::move(k), std::move(v)}; }
Op E(std::string bytes) { return {'E', "", "", std::move(bytes)}; }

// What the generated cases cannot make: odd bytes and lines, marks of other encodings, a change
// made by someone else.
std::vector<Case> HandWritten() {
    return {
        {"messy file",
         "  [ Window ]  \r\n  Key1  =  value with blanks  \r\n;comment\r\n; c2 = x\r\nnoequals\r\n\r\n\r\n"
         "key1=second\r\n=emptyname\r\n\tTabbed\t=\tv\t\r\n[other]\r\na=1\r\nq7= \"x\" \r\nansi=caf\xe9 \xa4\x80\r\n"
         "nul=ab" + std::string(1, '\0') + "cd\r\n[window]\r\nonlyinsecond=2\r\n\r\n",
         {R("window", "key1"), R("Window ", " KEY1"), R("window", "noequals"), R("window", ";comment"),
          R("window", "; c2"), R("window", "tabbed"), R("window", "onlyinsecond"), R("other", "A"),
          R("other", "q7"), R("other", "ansi"), R("other", "nul"), W("window", "newkey", "v"),
          W("WINDOW", "noequals", "filled"), W("other", "b", "  lead and trail  "), R("other", "b"),
          W("brandnew", "k", "v"), R("BrandNew", "K"), W("window", "Onlyinsecond", "3"), R("window", "onlyinsecond")}},
        {"UTF-16 with a byte-order mark",
         std::string("\xff\xfe[\0s\0]\0\r\0\n\0k\0=\0\xe9\0 \0\xac\x20\r\0\n\0", 26),
         {R("s", "k"), W("s", "n", "\xc3\xbc\xe2\x82\xac\xe4\xb8\xad"), R("s", "n"), W("t", "x", "1")}},
        {"UTF-8 with a byte-order mark", "\xef\xbb\xbf[s]\r\nk=\xc3\xa9\r\n",
         {R("s", "k"), W("s", "n", "\xe4\xb8\xad"), R("s", "n")}},
        {"odd line ends and headers",
         "pre=1\n[a]b]\nk=ab\n[unterminated\nk2=v2\n[x] junk\nk3=v3\n\x1a\nlast=1",
         {R("", "pre"), R("a]b", "k"), R("a", "k"), R("a]b", "k2"), R("x", "k3"), R("x", "last"),
          W("a]b", "last", "w"), W("new", "k", "v"), R("a]b", "last")}},
        {"blanks, line ends and names that read back as something else",
         "[s]\r\nnb=\xa0x\xa0\r\nel=\x85y\x85\r\na=1\rb=2\n\r\nk\r\nk=v\r\n",
         {R("s", "nb"), R("s", "el"), R("s", "a"), R("s", "b"), R("s", "k"), W("s", "k", "filled"),
          W("s", "a=b", "v1"), R("s", "a=b"), R("s", "a"), W("s", "a=b", "v2"), W("s", " [t] ", "u"),
          R("s", "[t]"), W("s", ";c", "u"), R("s", ";c"), R("t", "x"), W("[x", "k", "1]"), R("[x", "k")}},
        {"a change by someone else is seen", "[s]\r\nk=old\r\n",
         {R("s", "k"), E("[s]\r\nk=new value\r\n"), R("s", "k"), W("s", "j", "1"), E("[s]\r\nk=x\r\n"),
          R("s", "j"), R("s", "k")}},
    };
}

template <class T>
const T& Pick(std::mt19937& rng, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

Case Generated(std::mt19937& rng, int n) {
    static const std::vector<std::string> sections = {"window", "Window", " wav ", "contacts", "CONTACTS",
                                                      "tones", "zo\xc3\xab", "a]b", "[x", "new section"};
    static const std::vector<std::string> keys = {"top", "Left", " anna_file", "ANNA_file ", "bob.smith_play",
                                                  "; note", "x=y", "[k", "\xd0\xba\xd0\xbb\xd1\x8e\xd1\x87",
                                                  "stra\xc3\x9f" "e", "k", "K", "number"};
    static const std::vector<std::string> values = {
        "", "1200", "  lead", "trail  ", "a=b", ";c", "[s]", "\"q\"", "'q'", "\"open", "x\ty",
        "\xc3\xa9\xe2\x82\xac", "\xe4\xb8\xad\xe6\x96\x87", "wav\\default.wav", "C:\\Tones\\ring.skype",
        "\"\"", "\"", "\"a\"b\"", " \"x\" ", std::string(600, 'L'), "\"" + std::string(600, 'c') + "\"",
        "\"" + std::string(511, 'Q') + "\"", "\"" + std::string(510, 'q') + "\"", "\"" + std::string(509, 'q') + "\""};
    auto blank = [&] { return std::string(std::uniform_int_distribution<int>(0, 2)(rng), ' '); };
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(1, 100)(rng) <= percent; };

    Case c{"generated " + std::to_string(n), std::nullopt, {}};
    if (chance(70)) {
        std::string text;
        const int lines = std::uniform_int_distribution<int>(0, 25)(rng);
        const bool messy = chance(50);
        for (int i = 0; i < lines; ++i) {
            int kind = std::uniform_int_distribution<int>(0, 9)(rng);
            if (kind < 2)
                text += (messy ? blank() : "") + "[" + Pick(rng, sections) + "]";
            else if (kind == 2 && messy)
                text += chance(50) ? "" : "; a comment";
            else
                text += (messy ? blank() : "") + Pick(rng, keys) + (messy ? blank() : "") + "=" + Pick(rng, values);
            text += messy && chance(20) ? "\n" : "\r\n";
        }
        c.start = text;
    }
    bool inBatch = false;
    const int ops = std::uniform_int_distribution<int>(5, 30)(rng);
    for (int i = 0; i < ops; ++i) {
        const int kind = std::uniform_int_distribution<int>(0, 19)(rng);
        if (kind < 2 && (kind == 0) != inBatch) {  // 0 begins a batch, 1 ends the one open
            c.ops.push_back({inBatch ? 'b' : 'B'});
            inBatch = !inBatch;
        } else if (kind < 11) {
            c.ops.push_back(R(Pick(rng, sections), Pick(rng, keys)));
        } else {
            c.ops.push_back(W(Pick(rng, sections), Pick(rng, keys), Pick(rng, values)));
        }
    }
    if (inBatch) c.ops.push_back({'b'});
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = FolderArgument(argc, argv);
    const int generated = argc > 2 ? std::atoi(argv[2]) : 300;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 20240611u;
    std::printf("differential: seed %u\n", seed);
    Runner runner{folder};
    int index = 0;
    for (const Case& c : HandWritten()) runner.Run(c, index++);
    std::mt19937 rng(seed);
    for (int i = 0; i < generated; ++i) runner.Run(Generated(rng, i + 1), index++);
    std::printf("differential: %d cases, %d reads, %d file comparisons, %d mismatches\n", index, runner.reads,
                runner.comparisons, runner.mismatches);
    return runner.mismatches == 0 ? 0 : 1;
}
