#pragma once
// Text colours an operator can read at a glance: the section labels keep the colours the
// operator chose, made only as much darker (or lighter, on a dark cell) as a contrast of
// 4.5 : 1 against their cell needs.
#include <cstdint>

namespace topband {

inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours (0x00BBGGRR), 1 to 21, from their relative luminance.
double contrastRatio(std::int32_t a, std::int32_t b);

// `text` if it stands out from `cell` by at least kReadableContrast, else the closest colour of
// the same hue that does.
std::int32_t readableOn(std::int32_t text, std::int32_t cell);

}  // namespace topband
