#pragma once
// The prefix table: rows 1..PrefixCount sorted by prefix, each naming a country with its
// continent and position.
#include <string>
#include <vector>

namespace topband {

struct PrefixRow {
    std::string prefix;
    std::string country;
    std::string continent;
    float longitude = 0;  // degrees, west positive
    float latitude = 0;   // degrees, north positive
};

inline constexpr int MaxPrefixes = 10000;

class PrefixTable {
public:
    int PrefixCount() const { return static_cast<int>(rows_.size()); }
    // Row numbers start at 1.
    const PrefixRow& row(int rowNumber) const { return rows_.at(static_cast<std::size_t>(rowNumber - 1)); }
    void replaceAll(std::vector<PrefixRow> rows) { rows_ = std::move(rows); }

private:
    std::vector<PrefixRow> rows_;
};

}  // namespace topband
