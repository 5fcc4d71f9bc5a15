#include "widgets/CalendarSettings.h"
#include "widgets/CalendarDates.h"

CalendarSettings::CalendarSettings()
{
    weekdayColours.fill ({ juce::Colours::black, juce::Colours::white.withAlpha ((juce::uint8) 0) });

    dayNames = { TRANS ("Sun"), TRANS ("Mon"), TRANS ("Tue"), TRANS ("Wed"), TRANS ("Thu"), TRANS ("Fri"), TRANS ("Sat") };
    monthNames = { TRANS ("January"), TRANS ("February"), TRANS ("March"), TRANS ("April"),
                   TRANS ("May"), TRANS ("June"), TRANS ("July"), TRANS ("August"),
                   TRANS ("September"), TRANS ("October"), TRANS ("November"), TRANS ("December") };
}

void CalendarSettings::markDate (juce::Time date, const juce::String& name, juce::Colour text, juce::Colour background)
{
    markedDates[calendarNoonOf (date).toMilliseconds()] = { name, text, background };
}

void CalendarSettings::getDayStyle (juce::Time day, juce::Colour& text, juce::Colour& background, juce::String& name) const
{
    name = {};
    const auto noon = calendarNoonOf (day);

    auto found = markedDates.find (noon.toMilliseconds());
    if (found == markedDates.end())
        found = markedDates.find (calendarMakeDate (0, noon.getMonth(), noon.getDayOfMonth()).toMilliseconds());

    if (found != markedDates.end())
    {
        name = found->second.name;
        text = found->second.text;
        background = found->second.background;
        return;
    }

    getWeekdayColours (noon.getDayOfWeek(), text, background);
}

void CalendarSettings::getWeekdayColours (int weekday, juce::Colour& text, juce::Colour& background) const
{
    if (! juce::isPositiveAndBelow (weekday, 7))
        return;

    text = weekdayColours[(size_t) weekday].first;
    background = weekdayColours[(size_t) weekday].second;
}

void CalendarSettings::setSundayColours (juce::Colour text, juce::Colour background)
{
    weekdayColours[0] = { text, background };
}

juce::String CalendarSettings::getDayName (int weekday) const
{
    return juce::isPositiveAndBelow (weekday, 7) ? dayNames[weekday] : juce::String();
}

juce::String CalendarSettings::getMonthName (int month) const
{
    return juce::isPositiveAndBelow (month, 12) ? monthNames[month] : juce::String();
}
