#pragma once
// The columns of the recent-contacts list: heading and design width (layout units; they scale
// with the window's width).
#include <array>

namespace topband {

struct ListColumn {
    const char* heading;
    double designWidth;
};

inline constexpr std::array<ListColumn, 8> kRecentContactColumns{{
    {"Rec#", 550},
    {"Call", 1000},
    {"Rec", 500},
    {"Sec", 600},
    {"Snt", 500},
    {"Date", 600},
    {"Time", 600},
    {"Country", 1650},
}};

}  // namespace topband
