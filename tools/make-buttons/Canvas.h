#pragma once
#include <functional>
#include <vector>

namespace quill::buttons {

struct Color {
    double r = 0, g = 0, b = 0;  // 0 to 255
};
Color Mix(Color a, Color b, double t);

// A region of the plane, asked point by point; units are pixels, y grows downwards.
using Shape = std::function<bool(double x, double y)>;

Shape Circle(double cx, double cy, double r);
Shape Ring(double cx, double cy, double inner, double outer);
// Points whose direction from the centre lies between the angles, in degrees counter-clockwise
// from the right (as on paper, though y grows downwards).
Shape Sector(double cx, double cy, double fromDeg, double toDeg);
Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
// A stroke with round ends.
Shape Line(double x0, double y0, double x1, double y1, double halfWidth);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(std::vector<Shape> parts);
Shape Intersect(Shape a, Shape b);
Shape Minus(Shape a, Shape b);
Shape Moved(Shape s, double dx, double dy);

// RGB pixels, painted with shapes that are smoothed at their edges by 4 x 4 samples a pixel.
class Canvas {
public:
    Canvas(int width, int height, Color background);
    int Width() const { return width_; }
    int Height() const { return height_; }
    Color At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void Set(int x, int y, Color c) { pixels_[static_cast<std::size_t>(y * width_ + x)] = c; }

    // colorAt gives the paint at each pixel centre, for gradients.
    void Fill(const Shape& shape, const std::function<Color(double x, double y)>& colorAt,
              double opacity = 1.0);
    void Fill(const Shape& shape, Color color, double opacity = 1.0);

private:
    int width_, height_;
    std::vector<Color> pixels_;
};

}  // namespace quill::buttons
