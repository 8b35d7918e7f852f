#include "calendar/CivilDate.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

TEST(CivilDate, DayNumberAgreesWithChronoOverFourCenturies)
{
    const sys_days epoch = year{1901} / January / 1;
    for (sys_days d = sys_days(year{1700} / January / 1); d <= sys_days(year{2100} / December / 31);
         d += days{1}) {
        const year_month_day ymd{d};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int dd = static_cast<int>(static_cast<unsigned>(ymd.day()));
        ASSERT_EQ(calendar::dayNumber(y, m, dd), (d - epoch).count()) << y << '-' << m << '-' << dd;
    }
    EXPECT_EQ(calendar::dayNumber(1901, 1, 1), 0);
    EXPECT_EQ(calendar::dayNumber(1901, 2, 19), 49);
}

TEST(CivilDate, ValidDatesAndTimes)
{
    struct Case
    {
        calendar::DateTime value;
        bool valid;
    };
    const Case cases[] = {
        {{2012, 2, 29}, true},           {{2013, 2, 29}, false},    {{2000, 2, 29}, true},
        {{1900, 2, 29}, false},          {{2013, 2, 30}, false},    {{2013, 4, 31}, false},
        {{2013, 12, 31}, true},          {{2013, 13, 1}, false},    {{2013, 0, 1}, false},
        {{2013, 1, 0}, false},           {{0, 1, 1}, false},        {{2013, 1, 1, 23, 59, 59}, true},
        {{2013, 1, 1, 24}, false},       {{2013, 1, 1, -1}, false}, {{2013, 1, 1, 0, 60}, false},
        {{2013, 1, 1, 0, 0, 60}, false},
    };
    for (const Case& c : cases) {
        const calendar::DateTime& v = c.value;
        SCOPED_TRACE(testing::Message() << v.year << '-' << v.month << '-' << v.day << ' ' << v.hour << ':'
                                        << v.minute << ':' << v.second);
        EXPECT_EQ(calendar::isValidDateTime(v), c.valid);
    }
}

} // namespace
