#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace topband {
namespace {

template <typename Float>
std::string formatFloat(Float value) {
    if (value == 0) value = 0;  // no "-0"
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    return {buffer, result.ptr};
}

}  // namespace

std::string formatNumber(float value) { return formatFloat(value); }
std::string formatNumber(double value) { return formatFloat(value); }

std::string formatInteger(std::int64_t value) { return std::to_string(value); }

std::string formatSignedNumber(float value) {
    std::string text = formatNumber(value);
    return text.front() == '-' ? text : " " + text;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t low, std::int64_t high) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

}  // namespace topband
