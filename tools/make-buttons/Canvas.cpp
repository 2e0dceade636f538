#include "make-buttons/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quill::buttons {

Color Mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Shape Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; };
}

Shape Ring(double cx, double cy, double inner, double outer) {
    return [=](double x, double y) {
        const double d = std::hypot(x - cx, y - cy);
        return d >= inner && d <= outer;
    };
}

Shape Sector(double cx, double cy, double fromDeg, double toDeg) {
    return [=](double x, double y) {
        double a = std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
        while (a < fromDeg) a += 360.0;
        return a <= toDeg;
    };
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
    return [=](double x, double y) {
        const double dx = std::max({x0 + radius - x, 0.0, x - (x1 - radius)});
        const double dy = std::max({y0 + radius - y, 0.0, y - (y1 - radius)});
        return x >= x0 && x <= x1 && y >= y0 && y <= y1 && std::hypot(dx, dy) <= radius;
    };
}

Shape Line(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](double x, double y) {
        const double vx = x1 - x0, vy = y1 - y0;
        const double len2 = vx * vx + vy * vy;
        const double t = len2 > 0 ? std::clamp(((x - x0) * vx + (y - y0) * vy) / len2, 0.0, 1.0) : 0.0;
        return std::hypot(x - (x0 + t * vx), y - (y0 + t * vy)) <= halfWidth;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Shape Union(std::vector<Shape> parts) {
    return [parts = std::move(parts)](double x, double y) {
        return std::any_of(parts.begin(), parts.end(), [&](const Shape& s) { return s(x, y); });
    };
}

Shape Intersect(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

Shape Minus(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape Moved(Shape s, double dx, double dy) {
    return [=](double x, double y) { return s(x - dx, y - dy); };
}

Canvas::Canvas(int width, int height, Color background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), background) {}

void Canvas::Fill(const Shape& shape, const std::function<Color(double, double)>& colorAt, double opacity) {
    constexpr int kSamples = 4;
    for (int py = 0; py < height_; ++py) {
        for (int px = 0; px < width_; ++px) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += shape(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
            if (hits == 0) continue;
            auto& pixel = pixels_[static_cast<std::size_t>(py * width_ + px)];
            pixel = Mix(pixel, colorAt(px + 0.5, py + 0.5), opacity * hits / (kSamples * kSamples));
        }
    }
}

void Canvas::Fill(const Shape& shape, Color color, double opacity) {
    Fill(shape, [color](double, double) { return color; }, opacity);
}

}  // namespace quill::buttons
