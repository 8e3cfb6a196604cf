#include "core/prefix_table.h"

#include <algorithm>
#include <iterator>

#include "core/letter_case.h"

namespace topband {
namespace {

// The character that decides a row's block; an empty prefix sorts before every block.
int firstKey(std::string_view text) { return text.empty() ? -1 : static_cast<unsigned char>(upperAscii(text.front())); }

}  // namespace

void PrefixTable::replaceAll(std::vector<PrefixRow> rows) {
    const auto firstExact =
        std::stable_partition(rows.begin(), rows.end(), [](const PrefixRow& r) { return !r.exactCall; });
    exactCalls_.assign(std::make_move_iterator(firstExact), std::make_move_iterator(rows.end()));
    rows.erase(firstExact, rows.end());
    std::stable_sort(rows.begin(), rows.end(),
                     [](const PrefixRow& a, const PrefixRow& b) { return firstKey(a.prefix) < firstKey(b.prefix); });
    rows_ = std::move(rows);
    buildIndex();
}

const PrefixRow* PrefixTable::exactCall(std::string_view call) const {
    if (exactIndex_.empty() || call.empty()) return nullptr;
    const auto found = exactIndex_.find(upperCased(call));
    return found == exactIndex_.end() ? nullptr : &exactCalls_[found->second];
}

void PrefixTable::buildIndex() {
    exactIndex_.clear();
    for (std::size_t i = 0; i < exactCalls_.size(); ++i)
        if (!exactCalls_[i].prefix.empty()) exactIndex_.try_emplace(upperCased(exactCalls_[i].prefix), i);
    rowsByKey_.clear();
    countryRows_.clear();
    longestKey_ = 0;
    firstUsaRow_ = 0;
    for (int number = 1; number <= PrefixCount(); ++number) {
        const PrefixRow& r = row(number);
        if (firstUsaRow_ == 0 && equalsIgnoringCase(r.country, "USA")) firstUsaRow_ = number;
        int& countryRow = countryRows_.try_emplace(upperCased(r.country), number).first->second;
        if (r.prefix.size() <= row(countryRow).prefix.size()) countryRow = number;
        if (r.prefix.empty()) continue;  // an empty prefix never counts as a match
        rowsByKey_.try_emplace(upperCased(r.prefix), Rows{number, number}).first->second.last = number;
        longestKey_ = std::max(longestKey_, r.prefix.size());
    }
}

const PrefixRow* PrefixTable::countryRow(std::string_view country) const {
    const auto found = countryRows_.find(upperCased(country));
    return found == countryRows_.end() ? nullptr : &row(found->second);
}

int PrefixTable::longestMatch(std::string_view key) const {
    if (key.empty() || rows_.empty()) return 0;
    const std::string upper = upperCased(key.substr(0, std::min(key.size(), longestKey_)));
    for (std::size_t length = upper.size(); length > 0; --length) {
        const auto found = rowsByKey_.find(std::string_view(upper).substr(0, length));
        if (found == rowsByKey_.end()) continue;
        // The scan starts where the first character's block should lie if first characters
        // were spread evenly (an estimate past the table is held to its last row) and runs
        // backwards only from a row of a later block; within the block it keeps the first
        // of equally long prefixes it meets.
        const int count = PrefixCount();
        const int code = std::max(65, static_cast<int>(static_cast<unsigned char>(key.front())));
        const int start = std::clamp(count * (code - 64) / 26, 1, count);
        const bool backwards = firstKey(row(start).prefix) > firstKey(key);
        return backwards ? found->second.last : found->second.first;
    }
    return 0;
}

}  // namespace topband
