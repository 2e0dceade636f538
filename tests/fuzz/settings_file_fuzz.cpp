#include <cstdint>
#include <string>

#include "Require.h"
#include "core/base/IniDocument.h"
#include "core/base/IniEncoding.h"
#include "fakes/FakeSystem.h"

// A settings file from anywhere: parsing keeps it byte for byte, and a write adds or
// replaces what it names and keeps the file readable.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    using namespace quill::fuzz;
    quill::test::FakeTextCodec codec;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniText text = DecodeIni(bytes, codec);
    IniDocument doc = IniDocument::Parse(text.utf8);
    Require(doc.Text() == text.utf8, "an untouched file is kept as it was");

    const std::string section = bytes.substr(0, 8), key = bytes.substr(size / 2, 6), value = bytes.substr(size / 3);
    if (const std::string* v = doc.Find(section, key)) {
        Require(ProfileValue(*v, 512).size() <= v->size() + 3, "a value read out is bounded by its file");
    }
    doc.Set(section, key, value);
    doc.Set("contacts", "anna_file", "wav\\anna.wav");
    const IniDocument again = IniDocument::Parse(doc.Text());
    const std::string* anna = again.Find("contacts", "anna_file");
    Require(anna && *anna == "wav\\anna.wav", "a plain write reads back");
    return 0;
}
