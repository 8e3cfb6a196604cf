#pragma once
// Records, rows, sections and list entries are numbered from 1. One checked look-up for all of
// them: a number outside 1..size throws std::out_of_range instead of reading past the end.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace topband {

template <class Container>
decltype(auto) oneBased(Container& items, int number) {
    if (number < 1 || static_cast<std::size_t>(number) > items.size())
        throw std::out_of_range("number outside 1.." + std::to_string(items.size()));
    return items[static_cast<std::size_t>(number - 1)];
}

}  // namespace topband
