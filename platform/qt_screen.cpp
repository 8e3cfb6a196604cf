#include "platform/qt_screen.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace topband {
namespace {

LayoutRect inLayoutUnits(const QRect& r) {
    return {r.left() * kLayoutUnitsPerPixel, r.top() * kLayoutUnitsPerPixel, r.width() * kLayoutUnitsPerPixel,
            r.height() * kLayoutUnitsPerPixel};
}

}  // namespace

LayoutRect QtScreen::screen() const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? inLayoutUnits(primary->geometry()) : LayoutRect{};
}

LayoutRect QtScreen::workArea() const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? inLayoutUnits(primary->availableGeometry()) : LayoutRect{};
}

}  // namespace topband
