#pragma once
// The program's date value: a moment plus a flag saying whether it stands for a whole day.
// Owned by the application shell; every window and record reads and writes database dates
// through it. A text of the wrong form never fails: it gives the current date and time.
#include <juce_data_structures/juce_data_structures.h>

class DateTime
{
public:
    /** Now, with a time of day. */
    DateTime();

    /** Reads "%Y-%m-%d" (a date-only value at 12:00:00 local time) or "%Y-%m-%d %H:%M:%S".
        Any other text logs a line and gives now; `dateOnly` then keeps its previous value. */
    DateTime& operator= (const juce::String& text);

    /** "%Y-%m-%d" for a date-only value, else "%Y-%m-%d %H:%M:%S", in local time. */
    juce::String toString() const;

    juce::String toSqlDayStart() const;          // "%Y-%m-%d 00:00:00"
    juce::String toSqlDayEnd() const;            // "%Y-%m-%d 23:59:59"
    juce::String toSqlNextDayStart() const;      // the date 24 hours later, at 00:00:00
    juce::String toSqlPreviousDayStart() const;  // the date 24 hours earlier, at 00:00:00

    /** This value's date followed by a blank and the current time of day. */
    juce::String withCurrentTime() const;

    /** Whether operator= would accept the text (nothing logged). */
    static bool isValidText (const juce::String& text);

    /** Sets `time` from a text typed in a user format such as "DD-MM-YYYY"; an unacceptable
        text gives now. `dateOnly` is not changed and nothing is logged. */
    void setFromFormattedText (const juce::String& text, const juce::String& format);

    /** Whether setFromFormattedText would accept the text in that format. */
    static bool isValidFormattedText (const juce::String& text, const juce::String& format);

    /** Vintage-year check for an editor: accepts a typed year from 1 to 2499 into `year`;
        otherwise puts `year` back into the value and returns false. */
    static bool checkLetnik (juce::Value& value, int& year);

    /** Reads a decimal integer the way database and typed date fields are read: leading blanks
        skipped, an optional sign, digits up to the first other character; no digits gives 0. */
    static int readLeadingInt (const juce::String& text);

    juce::Time time;
    bool dateOnly = false;
};
