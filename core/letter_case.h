#pragma once
// Calls, sections and country names compare without regard to letter case. Only ASCII
// letters fold, so the comparison is the same under every locale.
#include <algorithm>
#include <string>
#include <string_view>

namespace topband {

constexpr char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string upperCased(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), upperAscii);
    return upper;
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

constexpr bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && equalsIgnoringCase(text.substr(0, start.size()), start);
}

constexpr bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && equalsIgnoringCase(text.substr(text.size() - end.size()), end);
}

}  // namespace topband
