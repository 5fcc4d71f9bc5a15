#include "core/DateTime.h"
#include "core/Log.h"

#include <climits>
#include <ctime>

namespace
{
constexpr juce::int64 kDayMs = 86400000;
const char* const kDateFormat = "%Y-%m-%d";
const char* const kDateTimeFormat = "%Y-%m-%d %H:%M:%S";
const char* const kTypedSeparators = "-,.:;/_*+";

struct Fields
{
    int year = 0, month = 1, day = 0, hour = 12, minute = 0, second = 0;
};

// The platform's local-time conversion decides daylight saving and carries overflowing
// fields into the next unit (month 13 is January of the next year), which callers rely on.
juce::Time localTime (const Fields& f)
{
    std::tm t {};
    t.tm_year = f.year - 1900;
    t.tm_mon = f.month - 1;
    t.tm_mday = f.day;
    t.tm_hour = f.hour;
    t.tm_min = f.minute;
    t.tm_sec = f.second;
    t.tm_isdst = -1;
    return juce::Time ((juce::int64) std::mktime (&t) * 1000);
}

// Steps shared by operator= and isValidText: false when the text has the wrong length.
bool readDatabaseText (const juce::String& trimmed, Fields& f, bool& dateOnly)
{
    const int length = trimmed.length();
    if (length != 10 && length != 19)
        return false;
    f.year = DateTime::readLeadingInt (trimmed.substring (0, 4));
    f.month = DateTime::readLeadingInt (trimmed.substring (5, 7));
    f.day = DateTime::readLeadingInt (trimmed.substring (8, 10));
    if (length == 19)
    {
        f.hour = DateTime::readLeadingInt (trimmed.substring (11, 13));
        f.minute = DateTime::readLeadingInt (trimmed.substring (14, 16));
        f.second = DateTime::readLeadingInt (trimmed.substring (17));
        dateOnly = false;
    }
    else
    {
        f.hour = 12;
        f.minute = 0;
        f.second = 0;
        dateOnly = true;
    }
    return true;
}

bool acceptsDatabaseFields (const Fields& f)
{
    return f.year >= 0 && f.month >= 1 && f.day >= 1 && f.hour >= 0 && f.minute >= 0 && f.second >= 0;
}

bool acceptsTypedFields (const Fields& f)
{
    return f.year >= 1000 && f.year <= 3000 && f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31
           && f.hour >= 0 && f.hour <= 23 && f.minute >= 0 && f.minute <= 59 && f.second >= 0 && f.second <= 59;
}

juce::StringArray typedItems (const juce::String& text)
{
    auto cleaned = text.trim();
    for (auto* s = kTypedSeparators; *s != 0; ++s)
        cleaned = cleaned.replaceCharacter ((juce::juce_wchar) *s, ' ');
    juce::StringArray items;
    items.addTokens (cleaned, " \t\r\n", "");
    items.removeEmptyStrings();
    return items;
}

// Reads the typed fields by the first three format items; a missing item counts as empty.
Fields readTypedFields (const juce::StringArray& textItems, const juce::StringArray& formatItems)
{
    Fields f;
    f.day = 0;
    for (int i = 0; i < 3; ++i)
    {
        const auto item = formatItems[i];
        const int value = DateTime::readLeadingInt (textItems[i]);
        if (item.contains ("Y"))
            f.year = value;
        else if (item.contains ("M"))
            f.month = value;
        else if (item.contains ("D"))
            f.day = value;
        else if (item.contains ("h"))
            f.hour = value;
        else if (item.contains ("m"))
            f.minute = value;
        else if (item.contains ("s"))
            f.second = value;
    }
    return f;
}
} // namespace

DateTime::DateTime() : time (juce::Time::getCurrentTime()) {}

int DateTime::readLeadingInt (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (juce::CharacterFunctions::isWhitespace (*p))
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
    {
        negative = (*p == '-');
        ++p;
    }
    juce::int64 value = 0;
    while (*p >= '0' && *p <= '9')
    {
        value = value * 10 + (*p - '0');
        if (value > (juce::int64) INT_MAX + 1)
            value = (juce::int64) INT_MAX + 1; // saturate; such a field is out of every range anyway
        ++p;
    }
    if (negative)
        value = -value;
    return (int) juce::jlimit ((juce::int64) INT_MIN, (juce::int64) INT_MAX, value);
}

DateTime& DateTime::operator= (const juce::String& text)
{
    const auto trimmed = text.trim();
    Fields f;
    bool newDateOnly = dateOnly;
    if (! readDatabaseText (trimmed, f, newDateOnly))
    {
        if (trimmed.isEmpty())
            vindoro::vlog ("DateTime::operator =", "WARNING, Datetime is empty!");
        else
            vindoro::vlog ("DateTime::operator =", "napacen datum:" + trimmed + ". Uporabimo trenutni datum");
        time = juce::Time::getCurrentTime();
        return *this;
    }
    dateOnly = newDateOnly;
    if (! acceptsDatabaseFields (f))
    {
        vindoro::vlog ("DateTime::operator =", "wrong datetime");
        time = juce::Time::getCurrentTime();
        return *this;
    }
    time = localTime (f);
    return *this;
}

bool DateTime::isValidText (const juce::String& text)
{
    Fields f;
    bool unusedDateOnly = false;
    return readDatabaseText (text.trim(), f, unusedDateOnly) && acceptsDatabaseFields (f);
}

juce::String DateTime::toString() const
{
    return time.formatted (dateOnly ? kDateFormat : kDateTimeFormat);
}

juce::String DateTime::toSqlDayStart() const { return time.formatted (kDateFormat) + " 00:00:00"; }
juce::String DateTime::toSqlDayEnd() const { return time.formatted (kDateFormat) + " 23:59:59"; }

juce::String DateTime::toSqlNextDayStart() const
{
    return juce::Time (time.toMilliseconds() + kDayMs).formatted (kDateFormat) + " 00:00:00";
}

juce::String DateTime::toSqlPreviousDayStart() const
{
    return juce::Time (time.toMilliseconds() - kDayMs).formatted (kDateFormat) + " 00:00:00";
}

juce::String DateTime::withCurrentTime() const
{
    return time.formatted (kDateFormat) + " " + juce::Time::getCurrentTime().formatted ("%H:%M:%S");
}

void DateTime::setFromFormattedText (const juce::String& text, const juce::String& format)
{
    const auto f = readTypedFields (typedItems (text), typedItems (format));
    time = acceptsTypedFields (f) ? localTime (f) : juce::Time::getCurrentTime();
}

bool DateTime::isValidFormattedText (const juce::String& text, const juce::String& format)
{
    const auto textItems = typedItems (text);
    const auto formatItems = typedItems (format);
    if (textItems.size() < 3 || formatItems.size() < 3)
        return false;
    return acceptsTypedFields (readTypedFields (textItems, formatItems));
}

bool DateTime::checkLetnik (juce::Value& value, int& year)
{
    const auto typed = value.toString();
    if (typed == juce::String (year))
        return true;
    const int candidate = readLeadingInt (typed);
    if (candidate >= 1 && candidate <= 2499)
    {
        year = candidate;
        vindoro::vlog ("DateTime::checkLetnik", "letnik value changed");
        return true;
    }
    value = year;
    return false;
}
