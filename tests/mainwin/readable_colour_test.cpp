#include "mainwin/readable_colour.h"

#include <gtest/gtest.h>

namespace topband {
namespace {

constexpr std::int32_t kLightGrey = 0xC0C0C0;
constexpr std::int32_t kNavy = 0x800000;  // 0x00BBGGRR

std::int32_t red(std::int32_t bgr) { return bgr & 0xFF; }
std::int32_t green(std::int32_t bgr) { return (bgr >> 8) & 0xFF; }
std::int32_t blue(std::int32_t bgr) { return (bgr >> 16) & 0xFF; }

TEST(ReadableColour, ContrastRatiosAreTheUsualOnes) {
    EXPECT_NEAR(contrastRatio(0x000000, 0xFFFFFF), 21, 1e-9);
    EXPECT_NEAR(contrastRatio(0x808080, 0x808080), 1, 1e-9);
    EXPECT_NEAR(contrastRatio(0x808080, kLightGrey), 2.17, 0.01);  // the default unworked grey
}

TEST(ReadableColour, ColoursAreChangedOnlyAsFarAsTheContrastNeeds) {
    const struct {
        const char* what;
        std::int32_t text;
        std::int32_t cell;
    } cases[] = {
        {"default unworked grey on the grey cell", 0x808080, kLightGrey},
        {"default worked dark red on the grey cell", 0x0000C0, kLightGrey},
        {"a pale yellow on the grey cell", 0x80FFFF, kLightGrey},
        {"grey on a navy cell", 0x808080, kNavy},
        {"already readable black", 0x000000, kLightGrey},
        {"already readable white on navy", 0xFFFFFF, kNavy},
    };
    for (const auto& c : cases) {
        const std::int32_t shown = readableOn(c.text, c.cell);
        EXPECT_GE(contrastRatio(shown, c.cell), kReadableContrast) << c.what;
        if (contrastRatio(c.text, c.cell) >= kReadableContrast) {
            EXPECT_EQ(shown, c.text) << c.what;
            continue;
        }
        EXPECT_LT(contrastRatio(shown, c.cell), kReadableContrast + 0.2) << c.what << ": changed more than needed";
    }
    // A grey stays a grey, a red stays a red.
    const std::int32_t grey = readableOn(0x808080, kLightGrey);
    EXPECT_TRUE(red(grey) == green(grey) && green(grey) == blue(grey));
    EXPECT_LT(red(grey), 0x80);
    const std::int32_t darkRed = readableOn(0x0000C0, kLightGrey);
    EXPECT_GT(red(darkRed), 0);
    EXPECT_EQ(green(darkRed), 0);
    EXPECT_EQ(blue(darkRed), 0);
    EXPECT_GT(red(readableOn(0x808080, kNavy)), 0x80) << "lighter on a dark cell";
}

}  // namespace
}  // namespace topband
