#include "widgets/BrowserRows.h"

#include <algorithm>
#include <vector>

namespace BrowserRows
{
void sortRows (juce::XmlElement& data, const juce::String& attribute, int direction, const SortAlphabet& alphabet)
{
    // The keys are read once per row rather than on every comparison: attribute lookups walk a list.
    struct Entry { juce::XmlElement* row; std::vector<juce::juce_wchar> key; juce::String id; };
    std::vector<Entry> entries;
    entries.reserve ((size_t) data.getNumChildElements());
    for (auto* row : data.getChildIterator())
        entries.push_back ({ row, SortAlphabet::toCodePoints (row->getStringAttribute (attribute)), row->getStringAttribute ("id") });

    std::stable_sort (entries.begin(), entries.end(), [&] (const Entry& a, const Entry& b)
    {
        int r = alphabet.compare (a.key.data(), b.key.data());
        if (r == 0)
            r = a.id.compareNatural (b.id);
        return r * direction < 0;
    });

    // Unlink from the front and relink at the front (both constant time on the child list).
    while (auto* first = data.getFirstChildElement())
        data.removeChildElement (first, false);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        data.prependChildElement (it->row);
}

int insertSummaryRows (juce::XmlElement& data, const juce::XmlElement* columns, const juce::String& attribute,
                       const TableColumnSpec& spec,
                       const std::function<void (juce::XmlElement&, const juce::String&)>& mark)
{
    StatCore groupStats;
    juce::String titleKey;
    if (spec.valid)
        groupStats.initMeasures (spec, titleKey);

    juce::String titleColumn;
    for (int i = 0; i < spec.statColumns.size(); ++i)
        if (spec.statKindAt (i) == StatKind::title)
        {
            titleColumn = spec.statColumns[i];
            break;
        }

    std::vector<juce::XmlElement*> rows;
    rows.reserve ((size_t) data.getNumChildElements());
    for (auto* r : data.getChildIterator())
        rows.push_back (r);
    if (rows.empty())
        return 0;

    std::vector<juce::XmlElement*> ordered;
    ordered.reserve (rows.size() + rows.size() / 4);
    int added = 0;
    juce::String groupValue = rows.front()->getStringAttribute (attribute);

    for (size_t i = 0; i < rows.size(); ++i)
    {
        auto* row = rows[i];
        ordered.push_back (row);
        const auto current = row->getStringAttribute (attribute);
        if (current == groupValue)
            groupStats.addRow (row);

        const bool hasNext = i + 1 < rows.size();
        if (hasNext && rows[i + 1]->getStringAttribute (attribute) == current)
            continue;

        auto* summary = new juce::XmlElement (*row);
        // A summary is no record: it must never be saved or removed as one.
        for (auto* flag : { "inserted", "modified", "deleted" })
            summary->removeAttribute (flag);
        mark (*summary, groupValue);
        if (columns != nullptr)
            for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
                summary->setAttribute (column->getStringAttribute ("name"), juce::String());
        groupStats.writeStats (*summary);
        if (titleKey.isNotEmpty() && spec.valid && titleColumn.isNotEmpty())
            summary->setAttribute (titleColumn, juce::translate (titleKey));
        ordered.push_back (summary);
        ++added;

        if (hasNext)
            groupValue = rows[i + 1]->getStringAttribute (attribute);
        groupStats.resetValues();
    }

    while (auto* first = data.getFirstChildElement())
        data.removeChildElement (first, false);
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it)
        data.prependChildElement (*it);
    return added;
}

SearchMode searchModeFor (const juce::String& searchText, juce::String& term)
{
    term = searchText.trim();
    if (term.isEmpty())
        return SearchMode::none;
    if (! term.containsChar ('%'))
        return SearchMode::prefix;
    term = term.removeCharacters ("%");
    return SearchMode::contains;
}

bool applySearchKey (juce::String& searchText, const SearchKeyPress& key)
{
    const bool plain = ! key.withModifiers;
    if (plain && key.escape)
        searchText.clear();
    else if (plain && key.enter)
        ;
    else if (plain && key.erase)
        searchText = searchText.dropLastCharacters (1);
    else if (key.character > ' ')
        searchText += juce::String::charToString (key.character);
    else if (plain && key.space)
    {
        if (searchText.trim().isEmpty())
            return false;
        searchText += " ";
    }
    else
        return false;
    return true;
}

juce::Array<int> findSearchMatches (const juce::XmlElement& data, const juce::String& column, const juce::String& searchText)
{
    juce::String term;
    const auto mode = searchModeFor (searchText, term);
    juce::Array<int> matches;
    if (mode == SearchMode::none)
        return matches;

    int index = 0;
    for (auto* row : data.getChildIterator())
    {
        const auto value = row->getStringAttribute (column).trim();
        const bool match = mode == SearchMode::prefix ? value.startsWithIgnoreCase (term)
                                                      : (term.isEmpty() || value.containsIgnoreCase (term));
        if (match)
            matches.add (index);
        ++index;
    }
    return matches;
}
} // namespace BrowserRows
