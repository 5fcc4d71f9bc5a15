#pragma once
// What a month calendar shows: first weekday, weekday colours, marked days (holidays) with their
// names and colours, day and month names. Owned by the opener and lent to each calendar; it must
// outlive the calendars that use it.
#include <juce_graphics/juce_graphics.h>

#include <array>
#include <map>

class CalendarSettings
{
public:
    CalendarSettings();

    /** Marks a day, or renames and recolours it when already marked; year 0 recurs every year. */
    void markDate (juce::Time date, const juce::String& name, juce::Colour text, juce::Colour background);

    void getDayStyle (juce::Time day, juce::Colour& text, juce::Colour& background, juce::String& name) const;
    void getWeekdayColours (int weekday, juce::Colour& text, juce::Colour& background) const;
    void setSundayColours (juce::Colour text, juce::Colour background);
    juce::String getDayName (int weekday) const;
    juce::String getMonthName (int month) const;
    int getFirstDayOfWeek() const { return firstDayOfWeek; }

    int firstDayOfWeek = 1;

private:
    struct Mark
    {
        juce::String name;
        juce::Colour text, background;
    };

    std::array<std::pair<juce::Colour, juce::Colour>, 7> weekdayColours;
    std::map<juce::int64, Mark> markedDates;
    juce::StringArray dayNames, monthNames;
};
