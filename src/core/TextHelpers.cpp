#include "core/TextHelpers.h"
#include "core/Amount.h"
#include "core/DateTime.h"

#include <cmath>
#include <climits>
#include <cstdio>
#include <sstream>

namespace
{
constexpr double kFixedFormLimit = 1.0e20;

// The fixed form for 1 to 6 decimals: the display rule of the exact amount types, written from
// the double so that amounts beyond the 64-bit count (about 9e16 with two decimals) still print.
juce::String fixedForm (double x, int decimals)
{
    char buffer[400];
    std::snprintf (buffer, sizeof (buffer), "%.0f", vindoro::decimal::roundedScaledMagnitude (x, decimals));
    const auto text = vindoro::decimal::digitsWithPoint (juce::String (buffer), decimals);
    return x < 0 ? "-" + text : text;
}

juce::String generalForm (double x, int significantDigits)
{
    std::ostringstream out;
    out.precision (significantDigits);
    out << x;
    return juce::String (out.str());
}

juce::String wholeNumber (double x)
{
    const double rounded = std::round (x); // halves away from zero
    char buffer[400];
    std::snprintf (buffer, sizeof (buffer), "%.0f", rounded);
    juce::String text (buffer);
    // A negative value that rounds to zero keeps its sign, as the fixed form writes -0.00.
    if (x < 0 && ! text.startsWithChar ('-'))
        text = "-" + text;
    return text;
}
} // namespace

juce::String decimalSeparator()
{
    return juce::translate ("decimalna_vejica");
}

juce::String formatDecimal (double x, int decimals)
{
    juce::String text;
    if (std::isnan (x) || std::isinf (x))
        text = generalForm (x, 6);
    else if (decimals >= 1 && decimals <= 6 && x > -kFixedFormLimit && x < kFixedFormLimit)
        text = fixedForm (x, decimals);
    else if (decimals <= 0)
        text = wholeNumber (x);
    else
        text = generalForm (x, decimals);
    return text.replace (".", decimalSeparator());
}

juce::String formatDecimal0 (double x) { return formatDecimal (x, 0); }
juce::String formatDecimal1 (double x) { return formatDecimal (x, 1); }
juce::String formatDecimal2 (double x) { return formatDecimal (x, 2); }

juce::String formatFloor (double x)
{
    if (std::isnan (x))
        return "0";
    const double f = std::floor (x);
    if (f <= (double) INT_MIN)
        return juce::String (INT_MIN);
    if (f >= (double) INT_MAX)
        return juce::String (INT_MAX);
    return juce::String ((int) f);
}

const char* boolToText (bool value) { return value ? "true" : "false"; }

double parseDecimal (const juce::String& text)
{
    return vindoro::decimal::withPoint (text).getDoubleValue();
}

double parseDecimalFloor (const juce::String& text)
{
    return std::floor (parseDecimal (text));
}

double parseDecimalTruncated (const juce::String& text, int decimals)
{
    return vindoro::decimal::cutAfterDecimals (vindoro::decimal::withPoint (text), decimals).getDoubleValue();
}

double parseDecimal2 (const juce::String& text) { return parseDecimalTruncated (text, 2); }
double parseDecimal4 (const juce::String& text) { return parseDecimalTruncated (text, 4); }

juce::String sqlEscape (const juce::String& text)
{
    return text.replace ("'", "''");
}

juce::String sqlGroupConcat (const juce::String& column, const juce::String& separator)
{
    return "GROUP_CONCAT(" + column + ",'" + separator + "')";
}

juce::Array<int> parseIntList (const juce::String& text)
{
    auto t = text.trimCharactersAtStart (" (,").trimCharactersAtEnd (" ),");
    juce::Array<int> result;
    if (t.isEmpty())
        return result;
    juce::StringArray items;
    items.addTokens (t, " \t\r\n", "");
    for (auto& item : items)
        result.addIfNotAlreadyThere (DateTime::readLeadingInt (item));
    return result;
}

juce::String formatDecimalPoint (double x, int decimals)
{
    const auto separator = decimalSeparator();
    auto text = formatDecimal (x, decimals);
    return separator == "." ? text : text.replace (separator, ".");
}

bool isDecimalText (const juce::String& text)
{
    const auto t = vindoro::decimal::withPoint (text).trim();
    if (t.isEmpty())
        return true;
    auto p = t.getCharPointer();
    if (*p == '-' || *p == '+')
        ++p;
    int digits = 0, points = 0;
    for (; ! p.isEmpty(); ++p)
    {
        if (juce::CharacterFunctions::isDigit (*p))
            ++digits;
        else if (*p == '.' && points == 0)
            ++points;
        else
            return false;
    }
    return digits > 0;
}
