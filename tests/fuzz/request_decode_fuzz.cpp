// The Item of a request to the tone server, as any client may send it. The first byte picks
// how many fields the decoder is asked for.
#include <cstdint>
#include <string>

#include "core/server/RequestCode.h"
#include "Require.h"

using quill::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t fields = 1 + data[0] % 3;
    const std::string item(reinterpret_cast<const char*>(data + 1), size - 1);
    const quill::DecodedRequest r = quill::DecodeRequest(item, fields);
    if (!r.error.empty()) {
        Require(r.fields.empty(), "a refused request yields no fields");
        return 0;
    }
    Require(r.fields.size() == fields, "an accepted request has the asked fields");
    for (int f = 0; f + 1 < static_cast<int>(fields); ++f)
        Require(r.fields[f].find(quill::kFieldSeparator) == std::string::npos,
                "only the last field may hold the separator");
    bool same = false;
    for (int blanks = 0; blanks <= quill::kMaxLeadBlanks && !same; ++blanks) {
        const std::string again =
            fields == 1 ? quill::EncodeRequest(quill::RequestText(blanks, {r.fields[0]}))
            : fields == 2 ? quill::EncodeRequest(quill::RequestText(blanks, {r.fields[0], r.fields[1]}))
                          : quill::EncodeRequest(quill::RequestText(blanks, {r.fields[0], r.fields[1], r.fields[2]}));
        same = again == item;
    }
    Require(same, "what was accepted is exactly what the encoder makes of its fields");
    return 0;
}
