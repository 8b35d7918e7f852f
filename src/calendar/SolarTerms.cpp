#include "calendar/SolarTerms.h"

#include "calendar/SolarTermTable.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

// clang-format off
constexpr std::array<std::string_view, 24> kTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};
// clang-format on

const detail::TermRecord& recordOf(int year, int term) noexcept
{
    const int index = (year - detail::kFirstTermYear) * 24 + term - 1;
    return detail::kSolarTermRecords[static_cast<std::size_t>(index)];
}

} // namespace

std::string_view solarTermName(int term) noexcept
{
    if (term < 1 || term > 24)
        return {};
    return kTermNames[static_cast<std::size_t>(term - 1)];
}

int SolarTermOfDate(int year, int month, int day) noexcept
{
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear)
        return 0;
    for (int term = 1; term <= 24; ++term) {
        const detail::TermRecord& record = recordOf(year, term);
        if (record.month == month && record.day == day)
            return term;
    }
    return 0;
}

std::optional<DateTime> SolarTermMoment(int year, int term) noexcept
{
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear || term < 1 || term > 24)
        return std::nullopt;
    const detail::TermRecord& record = recordOf(year, term);
    return DateTime{year, record.month, record.day, record.hour, record.minute, record.second};
}

} // namespace calendar
