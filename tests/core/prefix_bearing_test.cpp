#include <gtest/gtest.h>

#include "core/bearing.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

struct Course {
    float ownLatitude, ownLongitude, latitude, longitude;
    const char* bearing;
    const char* miles;
    friend void PrintTo(const Course& c, std::ostream* os) {
        *os << "from " << c.ownLatitude << ", " << c.ownLongitude << " to " << c.latitude << ", " << c.longitude
            << " → bearing " << testing::quoted(c.bearing) << ", miles " << testing::quoted(c.miles);
    }
};

class BearingLabelTexts : public ::testing::TestWithParam<Course> {};

TEST_P(BearingLabelTexts, ShowWholeDegreesAndGroupedMiles) {
    const Course& c = GetParam();
    const BearingLabels labels = bearingLabels(c.ownLatitude, c.ownLongitude, c.latitude, c.longitude);
    EXPECT_EQ(labels.bearing, c.bearing);
    EXPECT_EQ(labels.miles, c.miles);
}

// Own station in Connecticut (west positive) unless the case says otherwise.
INSTANTIATE_TEST_SUITE_P(
    Courses, BearingLabelTexts,
    ::testing::Values(Course{41.71f, 72.73f, 52.77f, 1.47f, "51 ", "3,283 "},       // England
                      Course{41.71f, 72.73f, 36.4f, -138.38f, "335 ", "6,688 "},    // Japan, across the pole
                      Course{41.71f, 72.73f, -23.7f, -132.33f, "303 ", "10,526 "},  // Australia
                      Course{41.71f, 72.73f, 21.12f, 156.9f, "283 ", "4,965 "},     // Hawaii
                      Course{0, 0, 0, -90, "90 ", "6,214 "},                        // due east
                      Course{0, 0, 0, 90, "270 ", "6,214 "},                        // due west
                      Course{0, 0, 45, 0, "360 ", "3,107 "},                        // due north
                      Course{0, 0, -45, 0, "180 ", "3,107 "},                       // due south
                      Course{41.71f, 72.73f, 41.71f, 72.73f, "", ""},               // the same place
                      Course{41.71f, 72.73f, -41.71f, -107.27f, "", ""}));          // the far side

TEST(BearingAndDistance, IsUndefinedWhereverBothPositionsAreTheSame) {
    for (float latitude = -89; latitude <= 89; latitude += 3.7f)
        for (float longitude = -180; longitude <= 180; longitude += 11.3f)
            EXPECT_FALSE(bearingAndDistance(latitude, longitude, latitude, longitude)) << latitude << " " << longitude;
}

TEST(BearingAndDistance, AHundredMetresIsStillACourse) {
    const auto course = bearingAndDistance(41.71f, 72.73f, 41.711f, 72.73f);
    ASSERT_TRUE(course);
    EXPECT_NEAR(course->miles, 0.069, 0.001);
}

struct WholeNumber {
    double value;
    bool grouped;
    const char* text;
    friend void PrintTo(const WholeNumber& c, std::ostream* os) {
        *os << c.value << (c.grouped ? " grouped" : " ungrouped") << " → " << testing::quoted(c.text);
    }
};

class WholeNumberFormat : public ::testing::TestWithParam<WholeNumber> {};

TEST_P(WholeNumberFormat, RoundsHalfAwayAndShowsNothingForZero) {
    EXPECT_EQ(formatWholeNumber(GetParam().value, GetParam().grouped), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, WholeNumberFormat,
                         ::testing::Values(WholeNumber{0, false, ""}, WholeNumber{0.49, true, ""},
                                           WholeNumber{0.5, false, "1"}, WholeNumber{359.6, false, "360"},
                                           WholeNumber{1234.4, false, "1234"}, WholeNumber{999.5, true, "1,000"},
                                           WholeNumber{12345.4, true, "12,345"},
                                           WholeNumber{123456789, true, "123,456,789"},
                                           WholeNumber{-1234.5, true, "-1,235"}, WholeNumber{45, true, "45"}));

TEST(BearingLabelTexts, StayForUsaStationsOnly) {
    EXPECT_TRUE(keepsBearingLabels("USA"));
    EXPECT_TRUE(keepsBearingLabels("usa"));
    EXPECT_FALSE(keepsBearingLabels("Canada"));
    EXPECT_FALSE(keepsBearingLabels("Not Found"));
}

}  // namespace
}  // namespace topband
