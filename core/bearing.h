#pragma once
// Bearing and distance from the own station to a country's position, and their label texts.
#include <optional>
#include <string>
#include <string_view>

namespace topband {

struct BearingDistance {
    double bearing = 0;  // degrees clockwise from north, 0..360
    double miles = 0;
};

// Great-circle bearing and distance; positions in degrees, longitude west positive. Nothing
// when the two points coincide or are antipodes (within a few metres), where neither is defined.
std::optional<BearingDistance> bearingAndDistance(float ownLatitude, float ownLongitude, float latitude,
                                                  float longitude);

// A whole number rounded half away from zero, optionally with "," between thousands;
// nothing at all for a value that rounds to 0 or is not a finite number of sensible size.
std::string formatWholeNumber(double value, bool groupThousands);

struct BearingLabels {
    std::string bearing;  // "45 "
    std::string miles;    // "3,211 "
};

// The bearing and distance labels; both empty when there is no bearing.
BearingLabels bearingLabels(float ownLatitude, float ownLongitude, float latitude, float longitude);

// USA stations get no bearing or distance: while the country field reads "USA" the labels
// keep what they show.
bool keepsBearingLabels(std::string_view countryField);

}  // namespace topband
