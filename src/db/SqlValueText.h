#pragma once
// The data layer's number and text rules for SQL values: how stored values become row-tree text,
// which texts count as numbers in a statement, and the checks of typed-in values. Owned by the
// data layer; nothing here touches the connection.
#include <juce_core/juce_core.h>

namespace sqlvalue
{
/** Library text as a String; bytes that are not UTF-8 are read as Latin-1 rather than lost. */
juce::String fromUtf8Bytes (const char* bytes, int numBytes);

/** A real with 20 significant digits (%.20g, point as separator): exact, so it reads back as the same double. */
juce::String formatReal20 (double value);
/** The shortest text that reads back as the same double (1234567.5 stays 1234567.5). */
juce::String formatRealShortest (double value);

/** Truncates toward zero, saturating at the 64-bit limits (NaN gives 0). */
juce::int64 truncateToInt64 (double value);
/** Leading blanks, an optional sign and the digits up to the first other character; none gives 0;
    saturates at the 64-bit limits. */
juce::int64 parseLeadingInt64 (const juce::String& text);
/** The whole text (blanks around it allowed) is one integer within 64 bits. */
bool parseCheckedInteger (const juce::String& text, juce::int64& value);

/** The text is a number (sign, digits, one decimal point or comma, an exponent; blanks around it):
    gives its SQL literal with the comma turned into a point. */
bool numberLiteral (const juce::String& text, juce::String& literal);

/** Typed-in checks of the row tree's column types 1 (integer), 2 (decimal) and 3 (0/1). */
bool isIntegerText (const juce::String& text);
bool isDecimalText (const juce::String& text);
bool isZeroOneText (const juce::String& text);
} // namespace sqlvalue
