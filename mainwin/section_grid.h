#pragma once
// Where the section labels stand: groups flow down columns, each under its heading; a group
// that does not fit continues at the top of the next column, as call area 7 always did.
#include <string>
#include <vector>

namespace topband {

struct SectionGroup;

struct SectionGridCell {
    int column = 0;
    int row = 0;
    int sectionIndex = 0;  // 1-based; 0 for a heading
    std::string heading;   // the group's heading, for a heading cell
};

struct SectionGrid {
    int columns = 0;
    std::vector<SectionGridCell> cells;
};

// Lays the groups out `rowsPerColumn` cells deep. A heading never stands alone at the foot of
// a column.
SectionGrid layOutSectionGrid(const std::vector<SectionGroup>& groups, int rowsPerColumn);

}  // namespace topband
