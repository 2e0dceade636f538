#include "make-buttons/ButtonStrips.h"

#include <system_error>

#include "make-buttons/BmpFile.h"

namespace quill::buttons {

namespace {

// What is around the rounded face, close to the window's own colour.
constexpr Color kSurround{240, 240, 240};

struct Look {
    Color faceTop, faceBottom, border;
    double shift;  // the glyph moves down and right when pressed
    bool grey;
};

constexpr Look kLooks[kSlicesPerStrip] = {
    {{252, 252, 253}, {219, 224, 232}, {146, 156, 172}, 0, false},  // normal
    {{255, 255, 255}, {201, 224, 250}, {51, 122, 214}, 0, false},   // highlighted
    {{190, 203, 222}, {226, 232, 241}, {58, 92, 146}, 1, false},    // pressed
    {{238, 238, 238}, {238, 238, 238}, {192, 192, 192}, 0, true},   // disabled
};

void DrawSlice(Canvas& strip, int index, const GlyphArt& art) {
    const Look& look = kLooks[index];
    const double left = index * kSlice;
    strip.Fill(RoundRect(left + 1, 1, left + kSlice - 1, kSlice - 1, 7), look.border);
    strip.Fill(RoundRect(left + 2, 2, left + kSlice - 2, kSlice - 2, 6),
               [&](double, double y) { return Mix(look.faceTop, look.faceBottom, (y - 2) / (kSlice - 4)); });
    const Shape glyph = Moved(art.shape, left + look.shift, look.shift);
    if (look.grey) {
        strip.Fill(Moved(glyph, 1, 1), Color{255, 255, 255});  // etched, as Windows greys a label
        strip.Fill(glyph, Color{162, 162, 166});
        return;
    }
    if (look.shift == 0) strip.Fill(Moved(glyph, 0, 1), Color{40, 50, 70}, 0.22);  // a soft drop shadow
    strip.Fill(glyph, art.color);
}

}  // namespace

Glyph GlyphOf(int number) {
    static constexpr Glyph kByNumber[kButtons] = {
        Glyph::Play,   Glyph::Find,     Glyph::Play,  Glyph::Stop,   Glyph::Play,
        Glyph::Stop,   Glyph::Record,   Glyph::Generate, Glyph::Play, Glyph::Stop,
        Glyph::Apply,  Glyph::Help,     Glyph::Minimize, Glyph::Exit, Glyph::Events,
        Glyph::AddSound,
    };
    return kByNumber[number - 1];
}

std::string StripFileName(int number) { return "pbut" + std::to_string(number) + ".bmp"; }

Canvas DrawStrip(Glyph glyph) {
    Canvas strip(kSlice * kSlicesPerStrip, kSlice, kSurround);
    const GlyphArt art = ArtFor(glyph);
    for (int i = 0; i < kSlicesPerStrip; ++i) DrawSlice(strip, i, art);
    return strip;
}

bool WriteButtonFolder(const std::filesystem::path& folder, std::ostream& err) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        err << "make-buttons: cannot create " << folder.string() << ": " << ec.message() << "\n";
        return false;
    }
    bool ok = true;
    for (int number = 1; number <= kButtons; ++number) {
        const auto path = folder / StripFileName(number);
        if (WriteBmpFile(path, DrawStrip(GlyphOf(number)))) continue;
        err << "make-buttons: cannot write " << path.string() << "\n";
        ok = false;
    }
    return ok;
}

}  // namespace quill::buttons
