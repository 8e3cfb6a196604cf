#include "mainwin/readable_colour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace topband {
namespace {

using Channels = std::array<double, 3>;  // red, green, blue, 0..255

Channels channelsOf(std::int32_t bgr) {
    const auto value = static_cast<std::uint32_t>(bgr);
    return {static_cast<double>(value & 0xFF), static_cast<double>((value >> 8) & 0xFF),
            static_cast<double>((value >> 16) & 0xFF)};
}

std::int32_t bgrOf(const Channels& c) {
    const auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return static_cast<std::int32_t>(channel(c[0]) | channel(c[1]) << 8 | channel(c[2]) << 16);
}

double luminance(const Channels& c) {
    const auto linear = [](double v) {
        const double s = v / 255;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c[0]) + 0.7152 * linear(c[1]) + 0.0722 * linear(c[2]);
}

double ratio(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// The colour `share` of the way from `from` towards `to`.
Channels mixed(const Channels& from, const Channels& to, double share) {
    return {from[0] + (to[0] - from[0]) * share, from[1] + (to[1] - from[1]) * share,
            from[2] + (to[2] - from[2]) * share};
}

}  // namespace

double contrastRatio(std::int32_t a, std::int32_t b) {
    return ratio(luminance(channelsOf(a)), luminance(channelsOf(b)));
}

std::int32_t readableOn(std::int32_t text, std::int32_t cell) {
    if (contrastRatio(text, cell) >= kReadableContrast) return text;
    const Channels from = channelsOf(text);
    const double cellLuminance = luminance(channelsOf(cell));
    // Towards black on a light cell, towards white on a dark one: whichever can reach the ratio.
    const Channels black{0, 0, 0}, white{255, 255, 255};
    const Channels& to = ratio(0, cellLuminance) >= ratio(1, cellLuminance) ? black : white;
    // The least change that reads: halve the interval until the step is below one level.
    double low = 0, high = 1;
    for (int step = 0; step < 16; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(bgrOf(mixed(from, to, middle)), cell) >= kReadableContrast)
            high = middle;
        else
            low = middle;
    }
    return bgrOf(mixed(from, to, high));
}

}  // namespace topband
