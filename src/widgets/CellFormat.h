#pragma once
// Turns a stored value into the text of a browser cell (screen, paper, statistics line, export)
// and typed text back into a stored value, by the display type code of the column's spec.
// Owned by the widget kit; pure functions of the column spec, the value and the current translations.
#include "widgets/TableColumnSpec.h"

#include <juce_graphics/juce_graphics.h>

namespace CellFormat
{
/** The display text of a value in column `columnName`, and its alignment. With an invalid spec the
    value itself, centred; a column the column spec does not show gives the empty text and leaves `justification`. */
juce::String textForValue (const TableColumnSpec& spec, const juce::String& columnName, const juce::String& value,
                           juce::Justification& justification);

/** The text to store for `typed` in column `columnName`. `decoded` is false when the typed text
    cannot be read as the column's type (a number or date type given something else); the stored
    value must then stay as it was. */
juce::String decode (const TableColumnSpec& spec, const juce::String& columnName, const juce::String& typed,
                     bool& decoded);

/** True when `text` reads as a number with the language's decimal separator (or a point). */
bool isNumberText (const juce::String& text);
} // namespace CellFormat
