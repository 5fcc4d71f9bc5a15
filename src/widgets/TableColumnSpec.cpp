#include "widgets/TableColumnSpec.h"

namespace
{
juce::StringArray readNames (const char* const* list)
{
    juce::StringArray out;
    if (list != nullptr)
        for (auto p = list; *p != nullptr && **p != 0; ++p)
            out.add (juce::String::fromUTF8 (*p));
    return out;
}

juce::Array<int> readTypes (const int* list)
{
    juce::Array<int> out;
    if (list != nullptr)
        for (auto p = list; *p != 0; ++p)
            out.add (*p);
    return out;
}

juce::Array<int> readWidths (const int* list)
{
    juce::Array<int> out;
    if (list != nullptr)
        for (auto p = list; *p > 0; ++p)
            out.add (*p);
    return out;
}
} // namespace

TableColumnSpec::TableColumnSpec (const juce::String& p, const char* const* hidden, const char* const* shown,
                                  const int* types, const int* widths)
    : valid (true), prefix (p), hiddenColumns (readNames (hidden)), columns (readNames (shown)),
      columnTypes (readTypes (types)), columnWidths (readWidths (widths))
{
}

TableColumnSpec::TableColumnSpec (const juce::String& p, const char* const* hidden, const char* const* shown,
                                  const int* types, const int* widths, const char* const* stats,
                                  const int* statKindList)
    : TableColumnSpec (p, hidden, shown, types, widths)
{
    statColumns = readNames (stats);
    statKinds = readTypes (statKindList);
}

TableColumnSpec::TableColumnSpec (const juce::String& p, std::initializer_list<Column> shown,
                                  std::initializer_list<const char*> hidden, std::initializer_list<Stat> stats)
    : valid (true), prefix (p)
{
    for (const auto* name : hidden)
        hiddenColumns.add (juce::String::fromUTF8 (name));
    for (const auto& column : shown)
    {
        columns.add (juce::String::fromUTF8 (column.name));
        columnTypes.add (static_cast<int> (column.type));
        columnWidths.add (column.width);
    }
    for (const auto& stat : stats)
    {
        statColumns.add (juce::String::fromUTF8 (stat.measure));
        statKinds.add (static_cast<int> (stat.kind));
    }
}

int TableColumnSpec::indexOfColumn (const juce::String& name) const
{
    return columns.indexOf (name); // StringArray::indexOf is exact and case-sensitive
}

bool TableColumnSpec::isHidden (const juce::String& name) const
{
    return hiddenColumns.contains (name);
}

int TableColumnSpec::typeAt (int index) const
{
    return juce::isPositiveAndBelow (index, columnTypes.size()) ? columnTypes[index] : 0;
}

StatKind TableColumnSpec::statKindAt (int index) const
{
    return static_cast<StatKind> (juce::isPositiveAndBelow (index, statKinds.size()) ? statKinds[index] : 0);
}

int TableColumnSpec::widthAt (int index) const
{
    return juce::isPositiveAndBelow (index, columnWidths.size()) ? columnWidths[index] : 0;
}

juce::String TableColumnSpec::titleFor (const juce::String& name) const
{
    return valid && indexOfColumn (name) >= 0 ? juce::translate (prefix + name) : name;
}
