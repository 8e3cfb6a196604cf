#include "window/window_scaling.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/number_text.h"

namespace topband {
namespace {

constexpr double kResizeFormRaise = 170;  // secondary windows sit this far above centre
constexpr double kTopOfScreenGap = 2;
constexpr double kControlFontCap = 1.5;
constexpr int kSmallestFormSize = 30;
constexpr int kLargestFormSize = 100;

[[noreturn]] void fail(const std::string& why) { throw ScalingError("Cannot scale the window: " + why + "."); }

void requireArea(double width, double height, const std::string& what) {
    if (width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height)) return;
    fail(what + " is " + formatNumber(width) + " x " + formatNumber(height) + " units");
}

void requireDesktop(const Desktop& d) {
    requireArea(d.screen.width, d.screen.height, "the screen");
    requireArea(d.workArea.width, d.workArea.height, "the work area");
    const FrameMargins& m = d.frame;
    for (const double v : {d.screen.left, d.screen.top, d.workArea.left, d.workArea.top})
        if (!std::isfinite(v)) fail("the screen position is not known");
    for (const double v : {m.left, m.top, m.right, m.bottom})
        if (!(v >= 0 && std::isfinite(v))) fail("the window frame is not known");
}

void requireInputs(Size design, const Desktop& d) {
    requireArea(design.width, design.height, "the design size");
    requireDesktop(d);
}

double keepWithin(double value, double low, double high) { return std::max(low, std::min(value, high)); }

// Start of a client span whose frame (before + size + after) is centred on [areaStart, areaStart + areaSize].
double centred(double size, double areaStart, double areaSize, double before, double after) {
    return areaStart + (areaSize - before - size - after) / 2 + before;
}

LayoutRect centredOn(const LayoutRect& area, double width, double height, const FrameMargins& m) {
    return {centred(width, area.left, area.width, m.left, m.right),
            centred(height, area.top, area.height, m.top, m.bottom), width, height};
}

// The client rect, shrunk and moved as little as needed for its frame to lie inside the work area.
LayoutRect framed(LayoutRect client, const Desktop& d) {
    const LayoutRect& area = d.workArea;
    const FrameMargins& m = d.frame;
    const double roomWidth = area.width - m.left - m.right;
    const double roomHeight = area.height - m.top - m.bottom;
    if (roomWidth <= 0 || roomHeight <= 0) fail("the work area is smaller than the window frame");
    client.width = std::min(client.width, roomWidth);
    client.height = std::min(client.height, roomHeight);
    client.left = keepWithin(client.left, area.left + m.left, area.left + m.left + roomWidth - client.width);
    client.top = keepWithin(client.top, area.top + m.top, area.top + m.top + roomHeight - client.height);
    return client;
}

Scaling checked(const Scaling& s) {
    const auto positive = [](double v) { return v > 0 && std::isfinite(v); };
    const std::array sizes{s.window.width, s.window.height, s.x, s.y, s.font, s.windowFont};
    if (!std::isfinite(s.window.left) || !std::isfinite(s.window.top) || !std::ranges::all_of(sizes, positive))
        fail("the scale factors are out of range");
    return s;
}

// Fits the proposed window into the work area; the controls follow any shrinking, fonts by the
// smaller of the two shrink factors.
Scaling fit(const Scaling& proposed, const Desktop& d) {
    Scaling s = proposed;
    s.window = framed(proposed.window, d);
    const double shrinkX = s.window.width / proposed.window.width;
    const double shrinkY = s.window.height / proposed.window.height;
    s.x *= shrinkX;
    s.y *= shrinkY;
    s.font *= std::min(shrinkX, shrinkY);
    s.windowFont *= std::min(shrinkX, shrinkY);
    return checked(s);
}

double screenRatioX(const Desktop& d) { return d.screen.width / kDesignScreenWidth; }
double screenRatioY(const Desktop& d) { return d.screen.height / kDesignScreenHeight; }
double cappedControlFont(const Desktop& d) { return std::min(screenRatioX(d), kControlFontCap); }

// Halves go to the even neighbour, as the form-size answer is rounded.
double roundHalfEven(double value) {
    const double nearest = std::round(value);
    return std::abs(value - std::trunc(value)) == 0.5 ? 2 * std::round(value / 2) : nearest;
}

}  // namespace

Scaling designScaling(Size design) { return {{0, 0, design.width, design.height}}; }

Scaling resizeFormScaling(Size design, const Desktop& d) {
    requireInputs(design, d);
    const double rx = screenRatioX(d), ry = screenRatioY(d);
    LayoutRect window = centredOn(d.screen, design.width * rx, design.height * ry, d.frame);
    window.top -= kResizeFormRaise;
    return fit({window, rx, ry, std::min(rx, ry), ry, true}, d);
}

Scaling resizeFormToScaling(const Scaling& current, const Desktop& d, const ResizeFormToArgs& args) {
    requireDesktop(d);
    requireArea(current.window.width, current.window.height, "the window");
    requireArea(args.width, args.height, "the target size");
    if (!args.exactSize) requireArea(args.baseWidth, args.baseHeight, "the base size");
    if (!std::isfinite(args.fontWeight)) fail("the font weight is not a number");
    const double width = args.exactSize ? args.width : current.window.width / args.baseWidth * args.width;
    const double height = args.exactSize ? args.height : current.window.height / args.baseHeight * args.height;
    const FrameMargins& m = d.frame;
    const LayoutRect window = framed({centred(width, d.screen.left, args.width, m.left, m.right),
                                      centred(height, d.screen.top, args.height, m.top, m.bottom), width, height},
                                     d);
    const double kx = window.width / current.window.width;
    const double ky = window.height / current.window.height;
    const double k = std::min(kx, ky);
    const double fontFactor = window.height > current.window.height ? (k - 1) * args.fontWeight + 1 : k;
    return checked({window, current.x * kx, current.y * ky, current.font * fontFactor, current.windowFont, false});
}

Scaling screenScaling(Size design, const Desktop& d, ScreenScalingOptions options) {
    requireInputs(design, d);
    const double rx = screenRatioX(d), ry = screenRatioY(d);
    LayoutRect window = centredOn(d.screen, design.width * rx, design.height * ry, d.frame);
    if (options.topOfScreen) window.top = d.screen.top + kTopOfScreenGap + d.frame.top;
    const double font = options.capControlFonts ? cappedControlFont(d) : rx;
    return fit({window, rx, ry, font, rx, true}, d);
}

Scaling workAreaScaling(Size design, const Desktop& d) {
    requireInputs(design, d);
    const LayoutRect& area = d.workArea;
    const double x = area.width / kDesignScreenWidth, y = area.height / kDesignScreenHeight;
    return fit({centredOn(area, design.width * x, design.height * y, d.frame), x, y, cappedControlFont(d), x}, d);
}

Scaling fillWorkAreaScaling(Size design, const Desktop& d) {
    requireInputs(design, d);
    const LayoutRect& area = d.workArea;
    return fit({area, area.width / design.width, area.height / design.height, cappedControlFont(d), 1}, d);
}

Scaling mainWindowLoadScaling(Size design, const Desktop& d) {
    requireInputs(design, d);
    const double x = d.screen.width / design.width, y = d.screen.height / design.height;
    return fit({d.screen, x, y, std::min(x, y), x}, d);
}

PercentScaling percentScaling(Size design, const Desktop& d, std::uint8_t percent) {
    requireInputs(design, d);
    if (percent < kSmallestFormSize || percent > kLargestFormSize)
        fail("a form size of " + formatInteger(percent) + " % is outside 30..100");
    const double share = percent / 100.0;
    const double x = share * d.screen.width / design.width, y = share * d.screen.height / design.height;
    const LayoutRect window = centredOn(d.screen, share * d.screen.width, share * d.screen.height, d.frame);
    const Scaling form = fit({window, x, y, std::min(x, y), x}, d);
    return {form, form.font * share};
}

std::optional<std::uint8_t> formSizePercentFromAnswer(const std::optional<std::string>& answer) {
    if (!answer) return std::nullopt;
    const std::optional<double> value = parseNumber(*answer);
    if (!value) return std::nullopt;
    const double limited = std::clamp(*value, double{kSmallestFormSize}, double{kLargestFormSize});
    return static_cast<std::uint8_t>(roundHalfEven(limited));
}

}  // namespace topband
