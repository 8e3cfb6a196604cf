#pragma once
// Layout units as pixels in widget tests, and readable rects in failure messages.
#include <QRect>
#include <cmath>
#include <ostream>

#include "window/window_scaling.h"

inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace topband::testing {

inline int pixels(double units) { return static_cast<int>(std::lround(units / kLayoutUnitsPerPixel)); }

inline QRect pixels(const LayoutRect& r) { return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)}; }

// A client rect in pixels grown by the frame around it.
inline QRect withFrame(const QRect& client, const FrameMargins& m) {
    return client.adjusted(-pixels(m.left), -pixels(m.top), pixels(m.right), pixels(m.bottom));
}

}  // namespace topband::testing
