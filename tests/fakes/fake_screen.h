#pragma once
#include "platform/screen.h"

namespace topband::testing {

// A screen of any size, in layout units; the work area defaults to the whole screen.
class FakeScreen : public Screen {
public:
    LayoutRect whole{0, 0, 1920 * kLayoutUnitsPerPixel, 1080 * kLayoutUnitsPerPixel};
    LayoutRect work = whole;
    LayoutRect screen() const override { return whole; }
    LayoutRect workArea() const override { return work; }
    void setPixels(int width, int height, int panelHeight = 0) {
        whole = {0, 0, width * kLayoutUnitsPerPixel, height * kLayoutUnitsPerPixel};
        work = {0, 0, whole.width, (height - panelHeight) * kLayoutUnitsPerPixel};
    }
};

}  // namespace topband::testing
