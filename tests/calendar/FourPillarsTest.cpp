#include "calendar/FourPillars.h"
#include "calendar/CycleNames.h"
#include "calendar/SolarTerms.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using calendar::DateTime;
using calendar::PillarIndexes;
using calendar::PillarTexts;
using namespace std::chrono;

DateTime toDateTime(sys_seconds t)
{
    const sys_days day = floor<days>(t);
    const year_month_day ymd{day};
    const hh_mm_ss<seconds> time{t - day};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

sys_seconds toSeconds(const DateTime& d)
{
    return sys_days(year{d.year} / d.month / d.day) + hours{d.hour} + minutes{d.minute} + seconds{d.second};
}

int cycleDistance(int from, int to)
{
    return ((to - from) % 60 + 60) % 60;
}

std::string joined(const PillarTexts& t)
{
    return t.year + " " + t.month + " " + t.day + " " + t.hour;
}

TEST(FourPillars, DocumentedBirths)
{
    struct Case
    {
        DateTime birth;
        const char* pillars;
    };
    const Case cases[] = {
        {{2013, 2, 4, 0}, "壬辰 癸丑 辛丑 戊子"}, // 立春 at 00:13:20 is later
        {{2013, 2, 4, 1}, "癸巳 甲寅 辛丑 己丑"},
        {{1984, 2, 4, 23}, "癸亥 乙丑 己巳 甲子"}, // 立春 at 23:18:46; the day pillar is the next day's
        {{1984, 2, 5, 0}, "甲子 丙寅 己巳 甲子"},
        {{2024, 2, 4, 16}, "癸卯 乙丑 戊戌 庚申"}, // 立春 at 16:26:47
        {{2024, 2, 4, 17}, "甲辰 丙寅 戊戌 辛酉"},
        {{2013, 1, 1, 0}, "壬辰 壬子 丁卯 庚子"}, // before 小寒: the previous pillar year's 子 month
        {{2000, 1, 1, 0}, "己卯 丙子 戊午 壬子"},
        {{1970, 1, 1, 0}, "己酉 丙子 辛巳 戊子"},
        {{1972, 12, 7, 0}, "壬子 辛亥 壬申 庚子"},
        {{1970, 1, 29, 12}, "己酉 丁丑 己酉 庚午"},
        {{1901, 2, 19, 0}, "辛丑 庚寅 戊辰 壬子"}, // first day of the range, after 立春
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.birth.year << '-' << c.birth.month << '-' << c.birth.day << ' ' << c.birth.hour);
        const std::optional<PillarTexts> texts = calendar::FourPillarTexts(c.birth);
        ASSERT_TRUE(texts);
        EXPECT_EQ(joined(*texts), c.pillars);
    }
}

TEST(FourPillars, SingleDocumentedPillarsAroundTerms)
{
    struct Case
    {
        DateTime birth;
        const char* month;
        const char* day;
        const char* hour;
    };
    const Case cases[] = {
        {{2013, 1, 5, 12}, "壬子", "", ""}, // 小寒 at 12:33:33
        {{2013, 1, 5, 13}, "癸丑", "", ""},
        {{2013, 12, 7, 7}, "癸亥", "", ""}, // 大雪 at 07:08:26
        {{2013, 12, 7, 8}, "甲子", "", ""},
        {{2013, 12, 31, 23}, "", "壬申", "庚子"}, // the day pillar of 2014-01-01
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.birth.month << '-' << c.birth.day << ' ' << c.birth.hour);
        const std::optional<PillarTexts> texts = calendar::FourPillarTexts(c.birth);
        ASSERT_TRUE(texts);
        if (*c.month) {
            EXPECT_EQ(texts->month, c.month);
        }
        if (*c.day) {
            EXPECT_EQ(texts->day, c.day);
        }
        if (*c.hour) {
            EXPECT_EQ(texts->hour, c.hour);
        }
    }
}

// At each odd term (小寒, 立春, 惊蛰, ...) the month pillar moves to the next index of the cycle, at the
// exact second of the term and not before; at 立春 the year pillar moves on too; at the other terms
// nothing changes.
TEST(FourPillars, PillarsChangeExactlyAtTheTermsOfEveryYear)
{
    for (int year = 1901; year <= 2048; ++year) {
        for (int term = 1; term <= 24; ++term) {
            const DateTime moment = *calendar::SolarTermMoment(year, term);
            if (moment < DateTime{1901, 2, 20})
                continue;
            SCOPED_TRACE(testing::Message() << year << ' ' << calendar::solarTermName(term));
            const PillarIndexes before = calendar::FourPillars(toDateTime(toSeconds(moment) - seconds{1}));
            const PillarIndexes at = calendar::FourPillars(moment);
            ASSERT_NE(at.year, 0);
            ASSERT_EQ(cycleDistance(before.month, at.month), term % 2);
            ASSERT_EQ(cycleDistance(before.year, at.year), term == 3 ? 1 : 0);
            // The month branch follows the term: 立春 and 雨水 are 寅 (3) and so on round the year.
            ASSERT_EQ(calendar::StemBranchOf(at.month).branch, ((term - 1) / 2 + 1) % 12 + 1);
        }
    }
}

// The day pillar moves on at 23:00 every day (at midnight when the late 子 hour counts to its own day),
// the hour pillar every two hours under both rules, through the whole range.
TEST(FourPillars, DayAndHourPillarsRunOnThroughTheRange)
{
    const sys_days first = year{1901} / February / 19;
    const sys_days last = year{2048} / December / 31;
    PillarIndexes previous = calendar::FourPillars(toDateTime(first));
    PillarIndexes previousSameDay = previous;
    int previousCivilDay = 19;
    ASSERT_EQ(previous.day, calendar::CycleIndex(5, 5)) << "1901-02-19 is 戊辰";
    for (sys_seconds t = first + hours{1}; t <= last + hours{23}; t += hours{2}) {
        const DateTime birth = toDateTime(t);
        const PillarIndexes current = calendar::FourPillars(birth);
        const PillarIndexes sameDay = calendar::FourPillars(birth, calendar::LateZi::SameDay);
        ASSERT_EQ(cycleDistance(previous.hour, current.hour), 1)
            << birth.year << '-' << birth.month << '-' << birth.day << ' ' << birth.hour;
        ASSERT_EQ(cycleDistance(previous.day, current.day), birth.hour == 23 ? 1 : 0);
        ASSERT_EQ(cycleDistance(previousSameDay.day, sameDay.day), birth.day != previousCivilDay ? 1 : 0);
        ASSERT_EQ(sameDay.hour, current.hour);
        ASSERT_EQ(sameDay.year, current.year);
        ASSERT_EQ(sameDay.month, current.month);
        previous = current;
        previousSameDay = sameDay;
        previousCivilDay = birth.day;
    }
}

// 23:30 belongs to the next day by default and to its own day under the late 子 hour rule; the 子 hour
// itself is the next day's either way.
TEST(FourPillars, LateZiHourByTheSetting)
{
    using calendar::LateZi;
    const struct
    {
        DateTime birth;
        LateZi rule;
        const char* expected;
    } cases[] = {
        {{2013, 12, 31, 23, 30, 0}, LateZi::NextDay, "癸巳 甲子 壬申 庚子"},
        {{2013, 12, 31, 23, 30, 0}, LateZi::SameDay, "癸巳 甲子 辛未 庚子"},
        {{1984, 2, 4, 23, 30, 0}, LateZi::NextDay, "甲子 丙寅 己巳 甲子"}, // after 立春 at 23:18:46
        {{1984, 2, 4, 23, 30, 0}, LateZi::SameDay, "甲子 丙寅 戊辰 甲子"},
        {{2013, 1, 1, 0, 30, 0}, LateZi::SameDay, "壬辰 壬子 丁卯 庚子"}, // the early 子 hour: no change
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(joined(*calendar::FourPillarTexts(c.birth, c.rule)), c.expected);
    }
}

TEST(FourPillars, TextsAtTheEdgesOfTheRange)
{
    const PillarTexts empty;
    EXPECT_EQ(calendar::FourPillarTexts({1901, 2, 18, 23}), empty);
    EXPECT_EQ(calendar::FourPillarTexts({1901, 1, 1, 0}), empty);
    EXPECT_EQ(calendar::FourPillarTexts({2049, 1, 1, 0}), empty);
    EXPECT_EQ(calendar::FourPillarTexts({2048, 12, 31, 23})->day,
              calendar::CycleText(calendar::FourPillars({2048, 12, 31, 23}).day));
    EXPECT_FALSE(calendar::FourPillarTexts({1900, 12, 31, 0}));
    EXPECT_FALSE(calendar::FourPillarTexts({2013, 2, 30, 0}));
    EXPECT_FALSE(calendar::FourPillarTexts({2013, 1, 1, 24}));
    EXPECT_FALSE(calendar::FourPillarTexts({2013, 13, 1, 0}));
    EXPECT_EQ(calendar::FourPillars({2013, 2, 30, 0}), PillarIndexes{});
}

TEST(FormatLunarDate, DefaultAndCustomFormats)
{
    struct Case
    {
        DateTime date;
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {{2013, 2, 14}, "", "癸巳年(蛇)正月初五 2013-2-14"},
        {{2012, 5, 21}, "", "壬辰年(龙)闰四月初一 2012-5-21"},
        {{2013, 2, 5}, "", "癸巳年(蛇)腊月廿五 2013-2-5"}, // the year follows 立春, the month the new year
        {{2013, 2, 4, 0}, "", "壬辰年(龙)腊月廿四 2013-2-4"}, // 立春 at 00:13:20 still ahead
        {{2013, 2, 4, 1}, "", "癸巳年(蛇)腊月廿四 2013-2-4"},
        {{2013, 2, 14}, "%Y年    %M  %D日  ", "癸巳年    正月  初五日  "},
        {{2013, 1, 1}, "%Y年    %M  %D日  ", "壬辰年    冬月  二十日  "},
        {{2013, 1, 1}, "%y/%m/%d %y", "2013/1/1 2013"},
        {{2013, 1, 1}, "no keys", "no keys"},
        {{1901, 2, 18}, "", ""}, // no lunar date before lunar 1901
        {{2049, 1, 1}, "", ""},
        {{2013, 2, 29}, "", ""}, // no such date
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.date.year << '-' << c.date.month << '-' << c.date.day << " \"" << c.format << '"');
        EXPECT_EQ(calendar::FormatLunarDate(c.date, c.format), c.text);
    }
}

TEST(StemTables, MonthsAndHoursRunOnAcrossYearAndDayStems)
{
    // Within a pillar year the months run 寅 to 丑, and the 寅 month of the next year stem follows its 丑.
    for (int stem = 1; stem <= 10; ++stem) {
        SCOPED_TRACE(stem);
        int previous = calendar::CycleIndex(calendar::monthStemOf(stem, 3), 3);
        ASSERT_NE(previous, 0);
        for (int step = 1; step <= 12; ++step) {
            const int branch = (2 + step) % 12 + 1;
            const int stemNow = step == 12 ? stem % 10 + 1 : stem;
            const int current = calendar::CycleIndex(calendar::monthStemOf(stemNow, branch), branch);
            ASSERT_EQ(cycleDistance(previous, current), 1) << branch;
            previous = current;
        }
    }
    EXPECT_EQ(calendar::monthStemOf(0, 1), 0);
    EXPECT_EQ(calendar::hourStemOf(1, 13), 0);
    EXPECT_EQ(calendar::hourStemOf(1, 1), 1);
    EXPECT_EQ(calendar::hourStemOf(5, 12), 10);
}

} // namespace
