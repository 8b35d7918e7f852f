#pragma once

#include <string>
#include <string_view>

namespace calendar {

// Stems are numbered 1 (甲) to 10 (癸), branches 1 (子) to 12 (亥). A sixty-cycle index runs from 1 (甲子) to
// 60 (癸亥); only pairs whose stem and branch numbers have the same parity exist.
struct StemBranch
{
    int stem = 0;
    int branch = 0;

    friend constexpr bool operator==(const StemBranch&, const StemBranch&) = default;
};

// One character each; empty outside the range.
std::string_view stemName(int stem) noexcept;
std::string_view branchName(int branch) noexcept;

// The zodiac animal of a branch (鼠 to 猪); empty outside 1 to 12.
std::string_view ZodiacName(int branch) noexcept;

// Stem followed by branch (甲子); empty unless 1 <= n <= 60.
std::string CycleText(int n);

// {0, 0} unless 1 <= n <= 60.
StemBranch StemBranchOf(int n) noexcept;

// The index that has this stem and branch; 0 when none does (甲丑).
int CycleIndex(int stem, int branch) noexcept;

// 正月 to 十月, 冬月, 腊月, with 闰 before a leap month; empty outside 1 to 12.
std::string LunarMonthName(int month, bool leap);

// 初一 to 初十, 十一 to 十九, 二十, 廿一 to 廿九, 三十; empty outside 1 to 30.
std::string LunarDayName(int day);

} // namespace calendar
