#include <gtest/gtest.h>

#include "core/sections.h"
#include "mainwin/section_grid.h"

namespace topband {
namespace {

std::string picture(const SectionGrid& grid, const SectionTable& table, int rows) {
    std::vector<std::string> lines(static_cast<std::size_t>(rows));
    for (int c = 0; c < grid.columns; ++c)
        for (int r = 0; r < rows; ++r) {
            std::string cell = ".";
            for (const auto& g : grid.cells)
                if (g.column == c && g.row == r)
                    cell = g.sectionIndex ? table.SectionAbbr(g.sectionIndex) : "[" + g.heading + "]";
            lines[static_cast<std::size_t>(r)] += cell + (c + 1 < grid.columns ? " " : "");
        }
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    return text;
}

TEST(SectionGrid, GroupsFlowDownColumnsAndSplitWhenFull) {
    const SectionTable table({{"CT", "Connecticut", "1"},
                              {"EMA", "East Massachusetts", "1"},
                              {"ME", "Maine", "1"},
                              {"NNY", "North New York", "2"},
                              {"AZ", "Arizona", "7"},
                              {"EWA", "East Washington", "7"},
                              {"ID", "Idaho", "7"}});
    const SectionGrid grid = layOutSectionGrid(table.groups(), 4);
    EXPECT_EQ(grid.columns, 3);
    EXPECT_EQ(picture(grid, table, 4),
              "[1] [2] EWA\n"
              "CT NNY ID\n"
              "EMA [7] .\n"
              "ME AZ .\n");
}

TEST(SectionGrid, HeadingNeverStandsAloneAtTheFootOfAColumn) {
    const SectionTable table(
        {{"CT", "Connecticut", "1"}, {"EMA", "East Massachusetts", "1"}, {"NNY", "North New York", "2"}});
    EXPECT_EQ(picture(layOutSectionGrid(table.groups(), 4), table, 4),
              "[1] [2]\n"
              "CT NNY\n"
              "EMA .\n"
              ". .\n");
}

TEST(SectionGrid, TodaysTableFitsTenColumnsOfTen) {
    const SectionTable table;
    const SectionGrid grid = layOutSectionGrid(table.groups(), 10);
    EXPECT_LE(grid.columns, 10);
    int labels = 0;
    for (const auto& cell : grid.cells) labels += cell.sectionIndex != 0;
    EXPECT_EQ(labels, table.SectionCount());
}

}  // namespace
}  // namespace topband
