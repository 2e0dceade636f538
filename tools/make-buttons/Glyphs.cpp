#include "make-buttons/Glyphs.h"

namespace quill::buttons {

namespace {

Shape PlayShape() { return Polygon({{12, 8.5}, {12, 23.5}, {24, 16}}); }

Shape FindShape() {
    return Union({Ring(14, 14, 4.6, 7.4), Line(19.2, 19.2, 24, 24, 2.3)});
}

Shape GenerateShape() {
    // A sound wave rising from the text: five bars of speech.
    const double heights[] = {3, 6.5, 9, 5.5, 2.5};
    std::vector<Shape> bars;
    for (int i = 0; i < 5; ++i) {
        const double x = 8.5 + 4 * i;  // on whole pixels, so the bars stay crisp
        bars.push_back(Line(x, 16 - heights[i], x, 16 + heights[i], 1.5));
    }
    return Union(std::move(bars));
}

Shape ApplyShape() { return Union({Line(9, 16.5, 14, 21.5, 2.2), Line(14, 21.5, 23.5, 10.5, 2.2)}); }

Shape HelpShape() {
    // The hook of a question mark over its dot.
    const double cx = 16, cy = 12.2, r = 5;
    return Union({
        Intersect(Ring(cx, cy, r - 1.9, r + 1.9), Sector(cx, cy, -60, 165)),
        Circle(cx - 4.83, cy - 1.29, 1.9),  // round end of the hook
        Line(18.5, 16.5, 16, 18.6, 1.9),
        Line(16, 18.6, 16, 19.6, 1.9),
        Circle(16, 24.6, 2.0),
    });
}

Shape MinimizeShape() {
    return Union({Line(16, 7.5, 16, 17.5, 1.8), Line(11.5, 13, 16, 17.5, 1.8), Line(20.5, 13, 16, 17.5, 1.8),
                  Line(9.5, 23, 22.5, 23, 1.8)});
}

Shape ExitShape() {
    // The power sign: a broken ring and a bar through the gap.
    return Union({Minus(Ring(16, 17, 5.2, 8.8), Sector(16, 17, 55, 125)), Line(16, 7, 16, 16, 1.8)});
}

Shape EventsShape() {
    // A bell: dome, flaring body, rim, knob and clapper.
    return Union({
        Intersect(Circle(16, 13.5, 6), [](double, double y) { return y <= 13.5; }),
        Polygon({{10, 13.5}, {22, 13.5}, {24, 21}, {8, 21}}),
        Line(7, 21, 25, 21, 1.5),
        Circle(16, 7, 1.7),
        Circle(16, 25, 2.1),
    });
}

Shape AddSoundShape() {
    // A note, and a plus beside it.
    return Union({
        Circle(11.5, 21.5, 3.6),
        Line(14.3, 21.5, 14.3, 7.5, 1.2),
        Line(14.3, 7.5, 19.5, 10.5, 1.3),
        Line(19.5, 19.5, 26.5, 19.5, 1.4),
        Line(23, 16, 23, 23, 1.4),
    });
}

}  // namespace

GlyphArt ArtFor(Glyph glyph) {
    switch (glyph) {
        case Glyph::Play: return {PlayShape(), {34, 139, 58}};
        case Glyph::Find: return {FindShape(), {33, 92, 176}};
        case Glyph::Stop: return {RoundRect(10, 10, 22, 22, 2), {52, 62, 82}};
        case Glyph::Record: return {Circle(16, 16, 7), {206, 38, 38}};
        case Glyph::Generate: return {GenerateShape(), {122, 58, 176}};
        case Glyph::Apply: return {ApplyShape(), {30, 146, 60}};
        case Glyph::Help: return {HelpShape(), {33, 92, 176}};
        case Glyph::Minimize: return {MinimizeShape(), {52, 62, 82}};
        case Glyph::Exit: return {ExitShape(), {196, 44, 40}};
        case Glyph::Events: return {EventsShape(), {200, 128, 16}};
        case Glyph::AddSound: return {AddSoundShape(), {24, 124, 140}};
    }
    return {PlayShape(), {}};
}

}  // namespace quill::buttons
