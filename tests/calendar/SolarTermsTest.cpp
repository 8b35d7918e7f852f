#include "calendar/SolarTerms.h"
#include "calendar/CivilDate.h"

#include <gtest/gtest.h>

namespace {

using calendar::DateTime;

TEST(SolarTerms, EveryYearHasTwentyFourAscendingMomentsOnDifferentDays)
{
    for (int year = calendar::kFirstSolarTermYear; year <= calendar::kLastSolarTermYear; ++year) {
        SCOPED_TRACE(year);
        std::optional<DateTime> previous;
        for (int term = 1; term <= 24; ++term) {
            SCOPED_TRACE(calendar::solarTermName(term));
            const std::optional<DateTime> moment = calendar::SolarTermMoment(year, term);
            ASSERT_TRUE(moment);
            ASSERT_TRUE(calendar::isValidDateTime(*moment));
            ASSERT_EQ(moment->year, year);
            // Each term lies about 15 days after the previous one: a record in the wrong place shows here.
            ASSERT_EQ(moment->month, (term + 1) / 2);
            if (previous) {
                const int gap = calendar::dayNumber(moment->year, moment->month, moment->day) -
                                calendar::dayNumber(previous->year, previous->month, previous->day);
                ASSERT_GE(gap, 14);
                ASSERT_LE(gap, 16);
            }
            ASSERT_EQ(calendar::SolarTermOfDate(year, moment->month, moment->day), term);
            previous = moment;
        }
    }
}

TEST(SolarTerms, DocumentedMoments)
{
    struct Case
    {
        int term;
        DateTime moment;
    };
    const Case cases[] = {
        {1, {2013, 1, 5, 12, 33, 33}},   {2, {2013, 1, 20, 5, 51, 38}},   {3, {2013, 2, 4, 0, 13, 20}},
        {4, {2013, 2, 18, 20, 1, 30}},   {5, {2013, 3, 5, 18, 14, 45}},   {6, {2013, 3, 20, 19, 1, 50}},
        {7, {2013, 4, 4, 23, 2, 21}},    {8, {2013, 4, 20, 6, 3, 11}},    {9, {2013, 5, 5, 16, 18, 4}},
        {10, {2013, 5, 21, 5, 9, 24}},   {11, {2013, 6, 5, 20, 23, 14}},  {12, {2013, 6, 21, 13, 3, 51}},
        {13, {2013, 7, 7, 6, 34, 30}},   {14, {2013, 7, 22, 23, 55, 53}}, {15, {2013, 8, 7, 16, 20, 15}},
        {16, {2013, 8, 23, 7, 1, 36}},   {17, {2013, 9, 7, 19, 16, 9}},   {18, {2013, 9, 23, 4, 44, 2}},
        {19, {2013, 10, 8, 10, 58, 23}}, {20, {2013, 10, 23, 14, 9, 43}}, {21, {2013, 11, 7, 14, 13, 47}},
        {22, {2013, 11, 22, 11, 48, 1}}, {23, {2013, 12, 7, 7, 8, 26}},   {24, {2013, 12, 22, 1, 10, 54}},
        {3, {1880, 2, 4, 17, 30, 39}},   {3, {1901, 2, 4, 19, 39, 59}},   {3, {1970, 2, 4, 13, 45, 46}},
        {3, {1984, 2, 4, 23, 18, 46}},   {3, {2000, 2, 4, 20, 40, 23}},   {3, {2024, 2, 4, 16, 26, 47}},
        {3, {2030, 2, 4, 3, 7, 59}},     {3, {2048, 2, 4, 12, 3, 45}},    {3, {2079, 2, 4, 0, 42, 22}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.moment.year << ' ' << calendar::solarTermName(c.term));
        EXPECT_EQ(calendar::SolarTermMoment(c.moment.year, c.term), c.moment);
    }
}

TEST(SolarTerms, LookupsOutsideTheTable)
{
    EXPECT_EQ(calendar::SolarTermOfDate(2013, 2, 5), 0);
    EXPECT_EQ(calendar::SolarTermOfDate(2013, 1, 1), 0);
    EXPECT_EQ(calendar::SolarTermOfDate(1879, 2, 4), 0);
    EXPECT_EQ(calendar::SolarTermOfDate(2080, 2, 4), 0);
    EXPECT_EQ(calendar::SolarTermOfDate(2013, 13, 1), 0);
    EXPECT_FALSE(calendar::SolarTermMoment(1879, 3));
    EXPECT_FALSE(calendar::SolarTermMoment(2080, 3));
    EXPECT_FALSE(calendar::SolarTermMoment(2013, 0));
    EXPECT_FALSE(calendar::SolarTermMoment(2013, 25));
    EXPECT_EQ(calendar::solarTermName(1), "小寒");
    EXPECT_EQ(calendar::solarTermName(3), "立春");
    EXPECT_EQ(calendar::solarTermName(24), "冬至");
    EXPECT_EQ(calendar::solarTermName(25), "");
}

} // namespace
