#pragma once
// Numbers written for users and read back from what they type, with the decimal separator of
// the current language (the translation of "decimalna_vejica", looked up at every call), and a
// few SQL text builders. Owned by the application shell; pure functions, safe on any thread.
#include <juce_core/juce_core.h>

/** The decimal separator of the current language. */
juce::String decimalSeparator();

/** x with that many decimals, halves away from zero, the point replaced by the separator.
    With 0 decimals x is rounded to a whole number; above 6 decimals (or beyond 1e20) the
    stream's general form with that many significant digits is used. */
juce::String formatDecimal (double x, int decimals);
juce::String formatDecimal0 (double x);
juce::String formatDecimal1 (double x);
juce::String formatDecimal2 (double x);

/** floor(x) as a decimal integer, clamped to the 32-bit range. */
juce::String formatFloor (double x);

const char* boolToText (bool value);

/** The text read as a number, the separator (or a point) marking the decimals; not a number gives 0. */
double parseDecimal (const juce::String& text);
double parseDecimalFloor (const juce::String& text);
/** Like parseDecimal, with the digits after the given number of decimals cut off (never rounded). */
double parseDecimalTruncated (const juce::String& text, int decimals);
double parseDecimal2 (const juce::String& text);
double parseDecimal4 (const juce::String& text);

/** Every single quote doubled; the caller adds the enclosing quotes. */
juce::String sqlEscape (const juce::String& text);
/** "GROUP_CONCAT(" + column + ",'" + separator + "')"; the separator goes in unchanged. */
juce::String sqlGroupConcat (const juce::String& column, const juce::String& separator);

/** The distinct integers of a blank-separated list such as "(12, 15, 12)", in order of first appearance. */
juce::Array<int> parseIntList (const juce::String& text);

/** x as formatDecimal writes it, with a point whatever the language: the form stored in SQL. */
juce::String formatDecimalPoint (double x, int decimals);

/** Whether typed text reads as a number once the language's separator is a point: an optional
    sign, digits, at most one point with digits around it; blanks at the ends are allowed and the
    empty text counts as a number (it reads as 0). */
bool isDecimalText (const juce::String& text);
