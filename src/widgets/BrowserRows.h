#pragma once
// The row work of a record browser that needs no window: sorting the rows of a result tree, the
// summary row after each group of equal values, the quick-search text and its matches. Owned by
// the widget kit; it only rearranges and adds ITEM elements under "DATA" and never owns them.
#include "widgets/RowSortComparator.h"
#include "widgets/StatCore.h"

#include <functional>

namespace BrowserRows
{
/** Sorts the ITEM children of `data` on `attribute` (direction 1 ascending, -1 descending). */
void sortRows (juce::XmlElement& data, const juce::String& attribute, int direction,
               const SortAlphabet& alphabet = SortAlphabet::get());

/** Inserts a summary row after each run of equal `attribute` values of the (sorted) rows. Each is a
    copy of the group's last row with every result column emptied, then `mark` (group value) is
    called on it, then the group statistics and the title text are written. Returns rows added. */
int insertSummaryRows (juce::XmlElement& data, const juce::XmlElement* columns, const juce::String& attribute,
                       const TableColumnSpec& spec,
                       const std::function<void (juce::XmlElement& summary, const juce::String& groupValue)>& mark);

enum class SearchMode { none, prefix, contains };

/** How a typed search text is used: the trimmed term (without "%") and its mode. */
SearchMode searchModeFor (const juce::String& searchText, juce::String& term);

/** What the browser read from one key press: enough to decide its effect on the search text. */
struct SearchKeyPress
{
    bool withModifiers = false;  // shift, ctrl or alt held
    bool escape = false, enter = false, erase = false, space = false;
    juce::juce_wchar character = 0;  // the text character the key types, 0 when none
};

/** Applies one key to the search text: Escape clears it, Enter keeps it, Backspace or Delete drop
    the last character, a printable character is added, a space only after some text (all but the
    character only without modifiers). False when the key is not the search's: the text is unchanged. */
bool applySearchKey (juce::String& searchText, const SearchKeyPress& key);

/** Row indices whose trimmed `column` value matches the search text, in row order. */
juce::Array<int> findSearchMatches (const juce::XmlElement& data, const juce::String& column, const juce::String& searchText);
} // namespace BrowserRows
