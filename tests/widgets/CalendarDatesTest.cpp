#include "widgets/CalendarDates.h"

#include <gtest/gtest.h>

namespace
{
juce::String ymd (juce::Time t)
{
    return t.formatted ("%Y-%m-%d %H:%M");
}
} // namespace

TEST (CalendarDates, MonthPageStartsOnTheFirstWeekdayOnOrBeforeTheFirst)
{
    struct Case
    {
        int year, month, firstDayOfWeek;
        const char* firstCell;
        const char* lastCell;
    };
    const Case cases[] = {
        { 2015, 2, 1, "2015-02-23 12:00", "2015-04-05 12:00" },   // 1 March 2015 is a Sunday
        { 2016, 1, 1, "2016-02-01 12:00", "2016-03-13 12:00" },   // the 1st itself is a Monday
        { 2015, 2, 0, "2015-03-01 12:00", "2015-04-11 12:00" },   // Sunday first: starts on the 1st
        { 2026, 11, 1, "2026-11-30 12:00", "2027-01-10 12:00" },  // crosses the year end
        { 1600, 0, 1, "1599-12-27 12:00", "1600-02-06 12:00" },   // the calendar's first year
    };

    for (const auto& c : cases)
    {
        const auto grid = calendarMonthGrid (calendarMakeDate (c.year, c.month, 17), c.firstDayOfWeek);
        EXPECT_EQ (ymd (grid.front()), c.firstCell) << c.year << "-" << c.month + 1;
        EXPECT_EQ (ymd (grid.back()), c.lastCell) << c.year << "-" << c.month + 1;
        EXPECT_EQ (grid.front().getDayOfWeek(), c.firstDayOfWeek);
    }
}

TEST (CalendarDates, LeapYearsGiveFebruaryItsTwentyNinth)
{
    struct Case { int year; bool leap; };
    const Case cases[] = { { 2016, true }, { 2015, false }, { 2000, true }, { 1900, false }, { 2400, true }, { 2100, false } };

    for (const auto& c : cases)
    {
        const auto grid = calendarMonthGrid (calendarMakeDate (c.year, 1, 1), 1);
        int februaryDays = 0;
        for (const auto& d : grid)
            if (d.getMonth() == 1 && d.getYear() == c.year)
                ++februaryDays;
        EXPECT_EQ (februaryDays, c.leap ? 29 : 28) << c.year;
    }
}

TEST (CalendarDates, EveryCellStaysAtNoonAcrossDaylightSavingChanges)
{
    // Summer time starts on 29 March 2015 and ends on 25 October 2015 in Ljubljana.
    for (int month : { 2, 9 })
    {
        const auto grid = calendarMonthGrid (calendarMakeDate (2015, month, 1), 1);
        for (size_t i = 0; i < grid.size(); ++i)
        {
            EXPECT_EQ (grid[i].getHours(), 12) << ymd (grid[i]);
            EXPECT_EQ (grid[i], calendarNoonOf (grid[i]));
            if (i > 0)
                EXPECT_EQ (calendarNoonOf (grid[i - 1] + juce::RelativeTime::hours (24)), grid[i]);   // the next date
        }
    }
    const auto march = calendarMonthGrid (calendarMakeDate (2015, 2, 1), 1);
    EXPECT_EQ (ymd (march[34]), "2015-03-29 12:00");   // the day of the change
    EXPECT_EQ (march[34] - march[33], juce::RelativeTime::hours (23));
    const auto october = calendarMonthGrid (calendarMakeDate (2015, 9, 1), 1);
    EXPECT_EQ (ymd (october[27]), "2015-10-25 12:00");
    EXPECT_EQ (october[27] - october[26], juce::RelativeTime::hours (25));
}

TEST (CalendarDates, NoonAndYearlessDates)
{
    const juce::Time evening (2018, 11, 24, 23, 59, 0, 0, true);
    EXPECT_EQ (ymd (calendarNoonOf (evening)), "2018-12-24 12:00");
    EXPECT_EQ (ymd (calendarFirstOfMonth (evening)), "2018-12-01 12:00");
    EXPECT_EQ (calendarMakeDate (0, 11, 25).getYear(), kCalendarYearlessYear);
    EXPECT_EQ (ymd (calendarMakeDate (2019, 1, 29)), "2019-03-01 12:00");   // carried over
}

TEST (CalendarDates, MonthsAndYearsWrap)
{
    EXPECT_EQ (calendarWrapMonth (12), 0);
    EXPECT_EQ (calendarWrapMonth (-1), 11);
    EXPECT_EQ (calendarWrapMonth (5), 5);
    EXPECT_EQ (calendarWrapYear (3001), 1600);
    EXPECT_EQ (calendarWrapYear (1599), 3000);
    EXPECT_EQ (calendarWrapYear (2026), 2026);
}

TEST (CalendarDates, TypedYearIsAtMostFourDigitsTheCalendarCanShow)
{
    EXPECT_EQ (calendarParseYear ("2017"), 2017);
    EXPECT_EQ (calendarParseYear (" 1600 "), 1600);
    EXPECT_EQ (calendarParseYear ("3000"), 3000);
    for (const char* refused : { "", "0", "1599", "3001", "9999", "99999", "4294967297", "20a7", "-2017" })
        EXPECT_FALSE (calendarParseYear (refused).has_value()) << refused;
}
