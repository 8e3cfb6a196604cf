#include "mainwin/section_grid.h"

#include "core/sections.h"

namespace topband {

SectionGrid layOutSectionGrid(const std::vector<SectionGroup>& groups, int rowsPerColumn) {
    SectionGrid grid;
    if (rowsPerColumn < 2) rowsPerColumn = 2;
    int column = 0, row = 0;
    const auto advance = [&] {
        if (++row == rowsPerColumn) {
            row = 0;
            ++column;
        }
    };
    for (const SectionGroup& group : groups) {
        if (row == rowsPerColumn - 1) advance();
        grid.cells.push_back({column, row, 0, group.heading});
        advance();
        for (int index : group.sections) {
            grid.cells.push_back({column, row, index, {}});
            advance();
        }
    }
    grid.columns = row == 0 ? column : column + 1;
    return grid;
}

}  // namespace topband
