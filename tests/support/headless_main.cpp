#include <gtest/gtest.h>

#include "tests/support/comma_locale.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    topband::testing::useCommaDecimalLocale();
    return RUN_ALL_TESTS();
}
