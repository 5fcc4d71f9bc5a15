#include "widgets/CalendarDates.h"

juce::Time calendarMakeDate (int year, int month, int day)
{
    return juce::Time (year == 0 ? kCalendarYearlessYear : year, month, day, 12, 0, 0, 0, true);
}

juce::Time calendarNoonOf (juce::Time t)
{
    return calendarMakeDate (t.getYear(), t.getMonth(), t.getDayOfMonth());
}

juce::Time calendarFirstOfMonth (juce::Time t)
{
    return calendarMakeDate (t.getYear(), t.getMonth(), 1);
}

std::array<juce::Time, 42> calendarMonthGrid (juce::Time shownMonth, int firstDayOfWeek)
{
    const auto first = calendarFirstOfMonth (shownMonth);
    const int back = ((first.getDayOfWeek() - firstDayOfWeek) % 7 + 7) % 7;

    std::array<juce::Time, 42> days;
    // Built from the calendar date, not by adding 24 hours: across a daylight-saving change the
    // latter drifts to 11:00 or 13:00 and the day no longer equals its noon.
    for (int k = 0; k < 42; ++k)
        days[(size_t) k] = calendarMakeDate (first.getYear(), first.getMonth(), 1 - back + k);

    return days;
}

int calendarWrapMonth (int month)
{
    if (month > 11)
        return 0;
    if (month < 0)
        return 11;
    return month;
}

int calendarWrapYear (int year)
{
    if (year > kCalendarLastYear)
        return kCalendarFirstYear;
    if (year < kCalendarFirstYear)
        return kCalendarLastYear;
    return year;
}

std::optional<int> calendarParseYear (const juce::String& text)
{
    const auto t = text.trim();

    if (t.isEmpty() || t.length() > 4 || ! t.containsOnly ("0123456789"))
        return std::nullopt;

    const int year = t.getIntValue();

    if (year < kCalendarFirstYear || year > kCalendarLastYear)
        return std::nullopt;

    return year;
}
