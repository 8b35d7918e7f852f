#include "calendar/CycleNames.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

// clang-format off
constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> kMonths = {"正月", "二月", "三月", "四月", "五月", "六月",
                                                      "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, 4> kDayTens = {"初", "十", "廿", "三"};
constexpr std::array<std::string_view, 10> kDigits = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
// clang-format on

template <std::size_t N>
std::string_view nameAt(const std::array<std::string_view, N>& names, int number) noexcept
{
    if (number < 1 || static_cast<std::size_t>(number) > N)
        return {};
    return names[static_cast<std::size_t>(number - 1)];
}

} // namespace

std::string_view stemName(int stem) noexcept
{
    return nameAt(kStems, stem);
}

std::string_view branchName(int branch) noexcept
{
    return nameAt(kBranches, branch);
}

std::string_view ZodiacName(int branch) noexcept
{
    return nameAt(kAnimals, branch);
}

StemBranch StemBranchOf(int n) noexcept
{
    if (n < 1 || n > 60)
        return {};
    return {(n - 1) % 10 + 1, (n - 1) % 12 + 1};
}

std::string CycleText(int n)
{
    const StemBranch pair = StemBranchOf(n);
    if (pair.stem == 0)
        return {};
    std::string text(stemName(pair.stem));
    text += branchName(pair.branch);
    return text;
}

int CycleIndex(int stem, int branch) noexcept
{
    for (int n = 1; n <= 60; ++n)
        if (StemBranchOf(n) == StemBranch{stem, branch})
            return n;
    return 0;
}

std::string LunarMonthName(int month, bool leap)
{
    const std::string_view name = nameAt(kMonths, month);
    if (name.empty())
        return {};
    std::string text = leap ? "闰" : "";
    text += name;
    return text;
}

std::string LunarDayName(int day)
{
    if (day < 1 || day > 30)
        return {};
    std::string text;
    if (day == 20 || day == 30) {
        text = kDigits[static_cast<std::size_t>(day / 10 - 1)];
        text += "十";
        return text;
    }
    text = kDayTens[static_cast<std::size_t>((day - 1) / 10)];
    text += kDigits[static_cast<std::size_t>((day - 1) % 10)];
    return text;
}

} // namespace calendar
