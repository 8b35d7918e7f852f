#pragma once

#include <array>
#include <string_view>

namespace calendar::detail {

// The weights and bounds of the day-master analysis, generated from data-src/chart/day-master-strength.tsv
// (which explains the convention).
struct StrengthTable
{
    std::string_view method;
    double stemWeight = 0;
    double monthFactor = 0;
    // shares[k - 1]: how a branch with k hidden stems splits its weight, 本气 first.
    std::array<std::array<double, 3>, 3> shares{};
    double weakBelow = 0;
    double strongAbove = 0;
    // By branch 子 to 亥: its hidden stems (1 to 10), 本气 first, 0 where there is none.
    std::array<std::array<int, 3>, 12> hidden{};
};

extern const StrengthTable kStrengthTable;

} // namespace calendar::detail
