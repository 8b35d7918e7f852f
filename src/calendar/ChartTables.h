#pragma once

#include <array>
#include <string>
#include <string_view>

namespace calendar {

// The five elements as the birth chart prints them, in the order the chart walks them.
inline constexpr std::array<std::string_view, 5> kElements = {"金", "木", "水", "火", "土"};

// The element of a stem (1 to 10) or a branch (1 to 12); no hidden stems. Empty outside the range.
std::string_view stemElement(int stem) noexcept;
std::string_view branchElement(int branch) noexcept;

// The elements of a pillar's stem and branch, each followed by a comma: 甲子 gives "木,水,". Empty unless
// 1 <= n <= 60.
std::string elementPair(int n);

// The nayin shared by indexes 2k - 1 and 2k (甲子 and 乙丑: 海中金); empty unless 1 <= n <= 60.
std::string_view nayinName(int n) noexcept;

// Advice on name radicals for a child of the branch's zodiac animal, with CR LF line breaks; empty outside
// 1 to 12.
std::string_view zodiacAdvice(int branch) noexcept;

} // namespace calendar
