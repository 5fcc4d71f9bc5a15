#pragma once
// The day arithmetic of the month calendar, free of any window: days are local noons, a month
// page is six weeks from the chosen first weekday, months and years wrap as the calendar steps.
// Cells are built date by date, so a page that spans a daylight-saving change keeps every day at noon.
#include <juce_core/juce_core.h>

#include <array>
#include <optional>

/** Year 0 makes a year-less date (a day that recurs every year), kept under this marker year. */
constexpr int kCalendarYearlessYear = 1000;
constexpr int kCalendarFirstYear = 1600;
constexpr int kCalendarLastYear = 3000;

/** The local date at 12:00:00; month 0..11; year 0 gives the year-less form. */
juce::Time calendarMakeDate (int year, int month, int day);

/** 12:00:00 of the time's local date. */
juce::Time calendarNoonOf (juce::Time t);

/** The 1st of the time's month at noon. */
juce::Time calendarFirstOfMonth (juce::Time t);

/** The 42 days (noons) of the page that shows the month of shownMonth, starting on the last day
    on or before the 1st whose weekday (0 Sunday .. 6 Saturday) is firstDayOfWeek. */
std::array<juce::Time, 42> calendarMonthGrid (juce::Time shownMonth, int firstDayOfWeek);

/** A month stepped past December or before January wraps within the year. */
int calendarWrapMonth (int month);

/** A year past the last shown year wraps to the first one, and the other way round. */
int calendarWrapYear (int year);

/** A year typed into the calendar: one to four digits naming a year the calendar can show,
    else nothing. Never reads more digits than fit. */
std::optional<int> calendarParseYear (const juce::String& text);
