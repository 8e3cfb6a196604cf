#pragma once
// Pieces for the PrintTo of a table row, so that a row reads as one line in the test list and
// in a failure message.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace topband::testing {

// The text in double quotes, line ends and other control characters escaped.
inline std::string quoted(std::string_view text) { return ::testing::PrintToString(std::string(text)); }

inline const char* yesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace topband::testing
