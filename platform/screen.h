#pragma once
// Screen service: the screen and its work area (screen minus panels) in layout units.
namespace topband {

// One pixel is this many layout units.
inline constexpr double kLayoutUnitsPerPixel = 15.0;

struct LayoutRect {
    double left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual LayoutRect screen() const = 0;
    virtual LayoutRect workArea() const = 0;
};

}  // namespace topband
