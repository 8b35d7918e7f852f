#include "calendar/FourPillars.h"

#include "calendar/CycleNames.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarTerms.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

using StemRow = std::array<int, 12>; // stem numbers by branch 子 to 亥

// Rows by year stem group 甲己, 乙庚, 丙辛, 丁壬, 戊癸. The 寅 month starts the pillar year; 子 and 丑 are
// its eleventh and twelfth months, so they continue the row.
// clang-format off
constexpr std::array<StemRow, 5> kMonthStems = {{
    // 子  丑  寅  卯  辰  巳  午  未  申  酉  戌  亥
    {   3,  4,  3,  4,  5,  6,  7,  8,  9, 10,  1,  2},  // 甲, 己: 丙寅 first
    {   5,  6,  5,  6,  7,  8,  9, 10,  1,  2,  3,  4},  // 乙, 庚: 戊寅 first
    {   7,  8,  7,  8,  9, 10,  1,  2,  3,  4,  5,  6},  // 丙, 辛: 庚寅 first
    {   9, 10,  9, 10,  1,  2,  3,  4,  5,  6,  7,  8},  // 丁, 壬: 壬寅 first
    {   1,  2,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10},  // 戊, 癸: 甲寅 first
}};

// Rows by day stem group; the 子 hour starts the row.
constexpr std::array<StemRow, 5> kHourStems = {{
    // 子  丑  寅  卯  辰  巳  午  未  申  酉  戌  亥
    {   1,  2,  3,  4,  5,  6,  7,  8,  9, 10,  1,  2},  // 甲, 己
    {   3,  4,  5,  6,  7,  8,  9, 10,  1,  2,  3,  4},  // 乙, 庚
    {   5,  6,  7,  8,  9, 10,  1,  2,  3,  4,  5,  6},  // 丙, 辛
    {   7,  8,  9, 10,  1,  2,  3,  4,  5,  6,  7,  8},  // 丁, 壬
    {   9, 10,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10},  // 戊, 癸
}};
// clang-format on

int stemFromTable(const std::array<StemRow, 5>& table, int stem, int branch) noexcept
{
    if (stem < 1 || stem > 10 || branch < 1 || branch > 12)
        return 0;
    return table[static_cast<std::size_t>((stem - 1) % 5)][static_cast<std::size_t>(branch - 1)];
}

// Index 1 to 60 after stepping `index` by `delta` around the cycle.
constexpr int cycleStep(int index, int delta) noexcept
{
    return ((index - 1 + delta) % 60 + 60) % 60 + 1;
}

// The last term of the birth's civil year whose moment is not later than the birth, 0 when the birth comes
// before that year's 小寒. Terms fall on different days in ascending order, so this is the term of the
// birth's day when its moment has passed, else the term of the nearest earlier term day.
int governingTerm(const DateTime& birth) noexcept
{
    for (int term = 24; term >= 1; --term) {
        const std::optional<DateTime> moment = SolarTermMoment(birth.year, term);
        if (moment && *moment <= birth)
            return term;
    }
    return 0;
}

bool inPillarRange(const DateTime& birth) noexcept
{
    return isValidDateTime(birth) && birth >= kFirstLunarDay && birth.year <= kLastLunarDay.year;
}

void replaceAll(std::string& text, std::string_view key, std::string_view value)
{
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

} // namespace

int monthStemOf(int yearStem, int monthBranch) noexcept
{
    return stemFromTable(kMonthStems, yearStem, monthBranch);
}

int hourStemOf(int dayStem, int hourBranch) noexcept
{
    return stemFromTable(kHourStems, dayStem, hourBranch);
}

PillarIndexes FourPillars(const DateTime& birth, LateZi lateZi) noexcept
{
    if (!inPillarRange(birth))
        return {};

    PillarIndexes pillars;
    // 1901 is 辛丑, index 38; the pillar year begins at 立春 (term 3).
    pillars.year = cycleStep(38, (birth.year - 1901) % 60);
    const int term = governingTerm(birth);
    if (term < 3)
        pillars.year = cycleStep(pillars.year, -1);

    // Two terms to a month: 小寒 and 大寒 make 丑, 立春 and 雨水 寅, ..., 大雪, 冬至 and early January 子.
    const int monthTerm = term == 0 ? 24 : term;
    int monthBranch = (monthTerm - 1) / 2 + 2;
    if (monthBranch > 12)
        monthBranch -= 12;
    pillars.month = CycleIndex(monthStemOf(StemBranchOf(pillars.year).stem, monthBranch), monthBranch);

    // 1901-01-01 is 己卯, index 16; from 23:00 the day pillar is the next day's.
    const int civilDay = cycleStep(16, dayNumber(birth.year, birth.month, birth.day) % 60);
    const int nextDay = birth.hour == 23 ? cycleStep(civilDay, 1) : civilDay;
    pillars.day = lateZi == LateZi::SameDay ? civilDay : nextDay;

    // The 子 hour from 23:00 opens the next day: its stem follows that day's stem under either rule.
    const int hourBranch = (birth.hour == 23 || birth.hour == 0) ? 1 : (birth.hour - 1) / 2 + 2;
    pillars.hour = CycleIndex(hourStemOf(StemBranchOf(nextDay).stem, hourBranch), hourBranch);
    return pillars;
}

std::optional<PillarTexts> FourPillarTexts(const DateTime& birth, LateZi lateZi)
{
    if (!isValidDateTime(birth) || birth.year <= 1900)
        return std::nullopt;
    const PillarIndexes pillars = FourPillars(birth, lateZi);
    return PillarTexts{CycleText(pillars.year), CycleText(pillars.month), CycleText(pillars.day),
                       CycleText(pillars.hour)};
}

std::string FormatLunarDate(const DateTime& dateTime, std::string_view format)
{
    const std::optional<LunarDate> lunar = LunarFromSolar(dateTime);
    if (!lunar || !isValidDateTime(dateTime))
        return {};
    const PillarIndexes pillars = FourPillars(dateTime);

    std::string text(format.empty() ? kDefaultLunarDateFormat : format);
    replaceAll(text, "%Y", CycleText(pillars.year));
    replaceAll(text, "%S", ZodiacName(StemBranchOf(pillars.year).branch));
    replaceAll(text, "%M", LunarMonthName(lunar->month, lunar->leap));
    replaceAll(text, "%D", LunarDayName(lunar->day));
    replaceAll(text, "%y", std::to_string(dateTime.year));
    replaceAll(text, "%m", std::to_string(dateTime.month));
    replaceAll(text, "%d", std::to_string(dateTime.day));
    return text;
}

} // namespace calendar
