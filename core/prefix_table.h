#pragma once
// The prefix table: rows 1..PrefixCount sorted by prefix, each naming a country with its
// continent and position, and beside them the exact calls: rows that match one whole call.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/one_based.h"

namespace topband {

struct PrefixRow {
    std::string prefix;
    std::string country;
    std::string continent;
    float longitude = 0;     // degrees, west positive
    float latitude = 0;      // degrees, north positive
    bool exactCall = false;  // the prefix is a whole call, matched only by that call
    friend bool operator==(const PrefixRow&, const PrefixRow&) = default;
};

// The rows the table holds, prefixes and exact calls together.
inline constexpr int MaxPrefixes = 30000;

class PrefixTable {
public:
    // The prefix rows; exact calls are not among them.
    int PrefixCount() const { return static_cast<int>(rows_.size()); }
    // Row numbers start at 1.
    const PrefixRow& row(int rowNumber) const { return oneBased(rows_, rowNumber); }
    int ExactCallCount() const { return static_cast<int>(exactCalls_.size()); }
    // Numbers start at 1, in file order.
    const PrefixRow& exactCallRow(int number) const { return oneBased(exactCalls_, number); }
    // Takes the rows in file order and sets the exact calls apart. The lookup needs the
    // prefixes of one first character in one block, blocks in character order; rows out of
    // place are moved into their block, keeping their order otherwise.
    void replaceAll(std::vector<PrefixRow> rows);

    // The exact-call row of `call`, compared without regard to case; the first of them when
    // the file names a call twice. Nothing when the call has none.
    const PrefixRow* exactCall(std::string_view call) const;

    // The row the call lookup settles on for `key`: the longest prefix that begins it,
    // without regard to case, searched within the block of its first character. When one
    // prefix stands in several rows, the scan from the first-character estimate decides:
    // forwards it meets the first of them, backwards the last. 0 when no prefix matches.
    int longestMatch(std::string_view key) const;
    // The row that stands for a whole country (its shortest prefix, the last of equally short
    // ones), as against the rows of its call areas, which carry their own positions: a country
    // typed by name takes this row's continent and position. Nothing when no row names it.
    const PrefixRow* countryRow(std::string_view country) const;
    // The first row whose country is "USA"; 0 when there is none.
    int firstUsaRow() const { return firstUsaRow_; }

private:
    struct Rows {
        int first;
        int last;
    };
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };

    void buildIndex();

    std::vector<PrefixRow> rows_;
    std::vector<PrefixRow> exactCalls_;
    // Upper-cased call to its index in exactCalls_.
    std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> exactIndex_;
    // Upper-cased prefix to the rows holding it; one probe per length replaces the block scan.
    std::unordered_map<std::string, Rows, KeyHash, std::equal_to<>> rowsByKey_;
    std::size_t longestKey_ = 0;
    // Upper-cased country to the row number of its countryRow.
    std::unordered_map<std::string, int, KeyHash, std::equal_to<>> countryRows_;
    int firstUsaRow_ = 0;
};

}  // namespace topband
