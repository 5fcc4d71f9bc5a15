#pragma once
// Turns a stored value into the text of a browser cell (screen, paper, statistics line, export)
// and typed text back into a stored value, by the display type of the column's spec.
// Owned by the widget kit; pure functions of the column spec, the value, the current translations
// and the rules the subsystems register for their own types (before any browser shows a cell).
#include "widgets/TableColumnSpec.h"

#include <juce_graphics/juce_graphics.h>

#include <functional>

namespace CellFormat
{
/** The texts of a cell type whose values a subsystem owns (document kinds, invoice-item kinds,
    account numbers): the text shown for a stored value and, where typing is allowed, the value
    stored for a typed text. The alignment stays the formatter's. */
struct Rule
{
    std::function<juce::String (const juce::String& stored)> shown;
    std::function<juce::String (const juce::String& typed)> stored;  // empty: the typed text unchanged
};

/** Gives `type` its subsystem's rule, replacing an earlier one. Called at start-up, before any
    browser formats a cell; a type without its rule shows and stores values unchanged. */
void registerRule (CellType type, Rule rule);

/** Whether a column of this type holds numbers (amounts, quantities, whole numbers), which an
    empty value cannot stand for. */
bool holdsNumbers (CellType type);

/** The display text of a value in column `columnName`, and its alignment. With an invalid spec the
    value itself, centred; a column the column spec does not show gives the empty text and leaves `justification`. */
juce::String textForValue (const TableColumnSpec& spec, const juce::String& columnName, const juce::String& value,
                           juce::Justification& justification);

/** The text to store for `typed` in column `columnName`. `decoded` is false when the typed text
    cannot be read as the column's type (a number or date type given something else, a yes/no or
    wine-colour text that names neither value); the stored value must then stay as it was. */
juce::String decode (const TableColumnSpec& spec, const juce::String& columnName, const juce::String& typed,
                     bool& decoded);

/** True when `text` reads as a number with the language's decimal separator (or a point). */
bool isNumberText (const juce::String& text);
} // namespace CellFormat
