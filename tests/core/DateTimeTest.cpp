#include "core/DateTime.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
juce::String stamp (const DateTime& d) { return d.time.formatted ("%Y-%m-%d %H:%M:%S"); }

bool isNow (const DateTime& d)
{
    return std::abs (d.time.toMilliseconds() - juce::Time::getCurrentTime().toMilliseconds()) < 5000;
}

struct ParseCase
{
    const char* text;
    const char* moment;   // local time the text must give
    bool dateOnly;
    const char* printed;  // toString afterwards
};

const ParseCase parseCases[] = {
    { "2018-02-04", "2018-02-04 12:00:00", true, "2018-02-04" },
    { "2018-02-04 07:05:09", "2018-02-04 07:05:09", false, "2018-02-04 07:05:09" },
    { "  2018-02-04 \t", "2018-02-04 12:00:00", true, "2018-02-04" },
    { "2018/03/05", "2018-03-05 12:00:00", true, "2018-03-05" },
    { "2018-13-01", "2019-01-01 12:00:00", true, "2019-01-01" },
    { "2018-04-31", "2018-05-01 12:00:00", true, "2018-05-01" },
    { "2018-02-04 25:00:00", "2018-02-05 01:00:00", false, "2018-02-05 01:00:00" },
    { "2018-07-01 23:59:59", "2018-07-01 23:59:59", false, "2018-07-01 23:59:59" },
};
} // namespace

TEST (DateTime, ReadsAndWritesTheDatabaseForms)
{
    for (const auto& c : parseCases)
    {
        SCOPED_TRACE (c.text);
        DateTime d;
        d.dateOnly = ! c.dateOnly;
        d = juce::String (c.text);
        EXPECT_EQ (stamp (d), c.moment);
        EXPECT_EQ (d.dateOnly, c.dateOnly);
        EXPECT_EQ (d.toString(), c.printed);
        EXPECT_TRUE (DateTime::isValidText (c.text));
    }
}

TEST (DateTime, WrongTextsGiveNowWithTheirLogLine)
{
    struct Case { const char* text; const char* logLine; bool dateOnlyBefore; bool dateOnlyAfter; };
    const Case cases[] = {
        { "", "<DateTime::operator => WARNING, Datetime is empty!", false, false },
        { "   ", "<DateTime::operator => WARNING, Datetime is empty!", true, true },
        { "2018-2-4", "<DateTime::operator => napacen datum:2018-2-4. Uporabimo trenutni datum", true, true },
        { "2018-02-04 7:05", "napacen datum:2018-02-04 7:05. Uporabimo", false, false },
        { "2018-00-10", "<DateTime::operator => wrong datetime", false, true },
        { "2018-01-00", "wrong datetime", false, true },
        { "abcd-ef-gh", "wrong datetime", false, true },
        { "2018-02-04 -1:00:00", "wrong datetime", true, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        vtest::LogCapture log;
        DateTime d;
        d.time = juce::Time (0);
        d.dateOnly = c.dateOnlyBefore;
        d = juce::String (c.text);
        EXPECT_TRUE (isNow (d));
        EXPECT_EQ (d.dateOnly, c.dateOnlyAfter);
        EXPECT_TRUE (log.contains (c.logLine)) << log.lines().joinIntoString ("\n");
        EXPECT_FALSE (DateTime::isValidText (c.text));
    }
}

TEST (DateTime, DayBoundsForSqlComparisons)
{
    DateTime d;
    d = juce::String ("2018-12-31");
    EXPECT_EQ (d.toSqlDayStart(), "2018-12-31 00:00:00");
    EXPECT_EQ (d.toSqlDayEnd(), "2018-12-31 23:59:59");
    EXPECT_EQ (d.toSqlNextDayStart(), "2019-01-01 00:00:00");
    d = juce::String ("2018-03-01");
    EXPECT_EQ (d.toSqlPreviousDayStart(), "2018-02-28 00:00:00");

    // The shift is exactly 24 hours: the 25-hour day when summer time ends keeps 00:30 on its date,
    // while a date-only value (noon) always reaches the neighbouring date.
    d = juce::String ("2018-10-28 00:30:00");
    EXPECT_EQ (d.toSqlNextDayStart(), "2018-10-28 00:00:00");
    d = juce::String ("2018-10-28");
    EXPECT_EQ (d.toSqlNextDayStart(), "2018-10-29 00:00:00");
    d = juce::String ("2018-03-25");
    EXPECT_EQ (d.toSqlNextDayStart(), "2018-03-26 00:00:00");
    EXPECT_EQ (d.toSqlPreviousDayStart(), "2018-03-24 00:00:00");

    // A bound read back gives the neighbouring day at midnight.
    DateTime back;
    back = d.toSqlNextDayStart();
    EXPECT_EQ (stamp (back), "2018-03-26 00:00:00");

    const auto withNow = d.withCurrentTime();
    EXPECT_TRUE (withNow.startsWith ("2018-03-25 "));
    EXPECT_EQ (withNow.length(), 19);
}

TEST (DateTime, TypedDatesInAUserFormat)
{
    struct Case { const char* text; const char* format; const char* moment; bool valid; };
    const Case cases[] = {
        { "31.12.2018", "DD-MM-YYYY", "2018-12-31 12:00:00", true },
        { "31/12/2018", "DD-MM-YYYY", "2018-12-31 12:00:00", true },
        { "31 12 2018", "DD-MM-YYYY", "2018-12-31 12:00:00", true },
        { " 31.12.2018 10:15 ", "DD-MM-YYYY", "2018-12-31 12:00:00", true },
        { "31.04.2018", "DD-MM-YYYY", "2018-05-01 12:00:00", true },
        { "29.02.2019", "DD-MM-YYYY", "2019-03-01 12:00:00", true },
        { "2018-12-31", "YYYY-MM-DD", "2018-12-31 12:00:00", true },
        { "5.2018", "DD-YYYY", "2018-01-05 12:00:00", false }, // no month item: January; two items are not valid
        { "2018", "YYYY", nullptr, false },                    // no day item: day stays 0
        { "32.01.2018", "DD-MM-YYYY", nullptr, false },
        { "15.13.2018", "DD-MM-YYYY", nullptr, false },
        { "31.12.0999", "DD-MM-YYYY", nullptr, false },
        { "31.12.3001", "DD-MM-YYYY", nullptr, false },
        { "12.2018", "DD-MM-YYYY", nullptr, false },
        { "", "DD-MM-YYYY", nullptr, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.text) + " in " + c.format);
        vtest::LogCapture log;
        DateTime d;
        d.time = juce::Time (0);
        d.dateOnly = true;
        d.setFromFormattedText (c.text, c.format);
        if (c.moment != nullptr)
            EXPECT_EQ (stamp (d), c.moment);
        else
            EXPECT_TRUE (isNow (d));
        EXPECT_TRUE (d.dateOnly);
        EXPECT_TRUE (log.lines().isEmpty());
        EXPECT_EQ (DateTime::isValidFormattedText (c.text, c.format), c.valid);
    }
}

TEST (DateTime, VintageYearCheck)
{
    struct Case { juce::var typed; int yearBefore; bool accepted; int yearAfter; const char* valueAfter; bool logs; };
    const Case cases[] = {
        { "2017", 2016, true, 2017, "2017", true },
        { "2016", 2016, true, 2016, "2016", false },
        { " 1", 2016, true, 1, " 1", true },
        { "2499", 2016, true, 2499, "2499", true },
        { "0", 2016, false, 2016, "2016", false },
        { "2500", 2016, false, 2016, "2016", false },
        { "abc", 2016, false, 2016, "2016", false },
        { "-5", 2016, false, 2016, "2016", false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.typed.toString());
        vtest::LogCapture log;
        juce::Value value (c.typed);
        int year = c.yearBefore;
        EXPECT_EQ (DateTime::checkLetnik (value, year), c.accepted);
        EXPECT_EQ (year, c.yearAfter);
        EXPECT_EQ (value.toString(), c.valueAfter);
        EXPECT_EQ (log.contains ("<DateTime::checkLetnik> letnik value changed"), c.logs);
    }
}
