#pragma once
// Numbers as text, the same under every locale: "." is the decimal separator, no grouping.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace topband {

// Shortest text that reads back to the same float, never in exponent form: 5, -5.5, 71.25.
std::string formatNumber(float value);
std::string formatNumber(double value);
std::string formatInteger(std::int64_t value);
// As formatNumber with a blank in front of a non-negative number (" 5", "-5.5").
std::string formatSignedNumber(float value);

// Reads the whole text as a finite decimal number; surrounding blanks and a leading "+" are allowed.
std::optional<double> parseNumber(std::string_view text);
// Reads the whole text as a whole number within [low, high].
std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t low, std::int64_t high);

// Removes blanks and tabs at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace topband
