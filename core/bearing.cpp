#include "core/bearing.h"

#include <algorithm>
#include <cmath>

#include "core/letter_case.h"

namespace topband {
namespace {

constexpr double kDegreesPerRadian = 57.29577951;
constexpr double kMilesPerRadian = 3955.75791314991;  // 69.041 miles per degree of arc
// Below this, 1 - cos² of the central angle is rounding noise: the points are the same
// or antipodal to within about 6 m.
constexpr double kSmallestSquaredSine = 1e-12;

}  // namespace

std::optional<BearingDistance> bearingAndDistance(float ownLatitude, float ownLongitude, float latitude,
                                                  float longitude) {
    const double own = ownLatitude / kDegreesPerRadian;
    const double other = latitude / kDegreesPerRadian;
    const double west = (ownLongitude - static_cast<double>(longitude)) / kDegreesPerRadian;
    const double cosine = std::sin(other) * std::sin(own) + std::cos(other) * std::cos(own) * std::cos(west);
    const double squaredSine = 1 - cosine * cosine;
    if (!(squaredSine > kSmallestSquaredSine)) return std::nullopt;  // also catches NaN
    const double arc = std::acos(cosine);
    const double denominator = std::cos(own) * std::sqrt(squaredSine);
    if (denominator == 0) return std::nullopt;
    // Rounding can carry a due north or due south course just past ±1.
    const double course = std::acos(std::clamp((std::sin(other) - cosine * std::sin(own)) / denominator, -1.0, 1.0));
    const double degrees = course * kDegreesPerRadian;
    const double bearing = std::sin(west) > 0 ? degrees : 360 - degrees;
    const double miles = arc * kMilesPerRadian;
    if (!std::isfinite(bearing) || !std::isfinite(miles)) return std::nullopt;
    return BearingDistance{bearing, miles};
}

std::string formatWholeNumber(double value, bool groupThousands) {
    if (!std::isfinite(value) || std::fabs(value) > 1e15) return {};
    const long long whole = std::llround(value);
    if (whole == 0) return {};
    std::string digits = std::to_string(whole < 0 ? -whole : whole);
    if (groupThousands)
        for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), 1, ',');
    return whole < 0 ? "-" + digits : digits;
}

BearingLabels bearingLabels(float ownLatitude, float ownLongitude, float latitude, float longitude) {
    const auto found = bearingAndDistance(ownLatitude, ownLongitude, latitude, longitude);
    if (!found) return {};
    return {formatWholeNumber(found->bearing, false) + " ", formatWholeNumber(found->miles, true) + " "};
}

bool keepsBearingLabels(std::string_view countryField) { return equalsIgnoringCase(countryField, "USA"); }

}  // namespace topband
