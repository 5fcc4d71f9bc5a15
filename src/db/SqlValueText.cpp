#include "db/SqlValueText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace sqlvalue
{
namespace
{
bool isBlank (juce::juce_wchar c) { return juce::CharacterFunctions::isWhitespace (c); }
bool isDigit (juce::juce_wchar c) { return c >= '0' && c <= '9'; }

juce::String formatReal (double value, bool shortest)
{
    char buffer[64];
    auto r = shortest ? std::to_chars (buffer, buffer + sizeof (buffer), value)
                      : std::to_chars (buffer, buffer + sizeof (buffer), value, std::chars_format::general, 20);
    return juce::String (buffer, (size_t) (r.ptr - buffer));
}
} // namespace

juce::String fromUtf8Bytes (const char* bytes, int numBytes)
{
    if (bytes == nullptr || numBytes <= 0)
        return {};
    if (juce::CharPointer_UTF8::isValidString (bytes, numBytes))
        return juce::String::fromUTF8 (bytes, numBytes);
    juce::String latin1;
    latin1.preallocateBytes ((size_t) numBytes * 2);
    for (int i = 0; i < numBytes; ++i)
        latin1 += juce::String::charToString ((juce::juce_wchar) (unsigned char) bytes[i]);
    return latin1;
}

juce::String formatReal20 (double value) { return formatReal (value, false); }
juce::String formatRealShortest (double value) { return formatReal (value, true); }

juce::int64 truncateToInt64 (double value)
{
    if (std::isnan (value))
        return 0;
    if (value >= 9223372036854775807.0)
        return std::numeric_limits<juce::int64>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<juce::int64>::min();
    return (juce::int64) value;
}

juce::int64 parseLeadingInt64 (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (isBlank (*p))
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = (p.getAndAdvance() == '-');

    // Accumulate negatively so the minimum fits, then saturate.
    constexpr auto lowest = std::numeric_limits<juce::int64>::min();
    juce::int64 value = 0;
    bool saturated = false;
    for (; isDigit (*p); ++p)
    {
        const int digit = (int) (*p - '0');
        if (value < (lowest + digit) / 10)
        {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<juce::int64>::max();
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<juce::int64>::max() : -value;
}

bool parseCheckedInteger (const juce::String& text, juce::int64& value)
{
    const auto t = text.trim();
    const auto utf8 = t.toStdString();
    const char* first = utf8.data();
    const char* last = first + utf8.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return false;
    auto r = std::from_chars (first, last, value);
    return r.ec == std::errc() && r.ptr == last;
}

bool numberLiteral (const juce::String& text, juce::String& literal)
{
    const auto t = text.trim();
    auto p = t.getCharPointer();
    if (*p == '-' || *p == '+')
        ++p;
    int digits = 0;
    bool separator = false;
    for (;; ++p)
    {
        if (isDigit (*p))
            ++digits;
        else if ((*p == '.' || *p == ',') && ! separator)
            separator = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (*p == 'e' || *p == 'E')
    {
        ++p;
        if (*p == '-' || *p == '+')
            ++p;
        if (! isDigit (*p))
            return false;
        while (isDigit (*p))
            ++p;
    }
    if (! p.isEmpty())
        return false;
    literal = t.replaceCharacter (',', '.');
    return true;
}

bool isIntegerText (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (isBlank (*p))
        ++p;
    if (*p == '-' || *p == '+')
        ++p;
    if (! isDigit (*p))
        return false;
    while (isDigit (*p))
        ++p;
    while (isBlank (*p))
        ++p;
    return p.isEmpty();
}

bool isDecimalText (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (isBlank (*p))
        ++p;
    if (*p == '-' || *p == '+')
        ++p;
    int digits = 0;
    bool separator = false, trailing = false;
    for (; ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (isDigit (c))
        {
            if (trailing)
                return false;
            ++digits;
        }
        else if (c == '.' || c == ',')
        {
            if (separator)
                return false;
            separator = true;
        }
        else if (isBlank (c))
            trailing = true;
        else
            return false;
    }
    return digits > 0;
}

bool isZeroOneText (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (isBlank (*p))
        ++p;
    return *p == '0' || *p == '1';
}
} // namespace sqlvalue
