#pragma once
// The column definition of one browser or report table: hidden and shown columns, their display
// type codes and widths, and the measures of a report's statistics line. Owned by the widget kit;
// every spec is built once and only read afterwards; browsers keep a copy of their own.
#include <juce_core/juce_core.h>

class TableColumnSpec
{
public:
    /** An empty spec (valid == false): every column is shown under its query name. */
    TableColumnSpec() = default;

    /** Register form. Name lists end at the first empty text (or nullptr), the type list at the
        first 0, the width list at the first value that is 0 or negative. A nullptr list is empty. */
    TableColumnSpec (const juce::String& prefix,
                     const char* const* hidden,
                     const char* const* shown,
                     const int* types,
                     const int* widths);

    /** Report form: as the register form, plus the statistics measures and their kinds
        (measure list ends at the first empty text, kind list at the first 0). */
    TableColumnSpec (const juce::String& prefix,
                     const char* const* hidden,
                     const char* const* shown,
                     const int* types,
                     const int* widths,
                     const char* const* stats,
                     const int* statKindList);

    /** Index of `name` among the shown columns (exact, first match), or -1. */
    int indexOfColumn (const juce::String& name) const;
    bool isHidden (const juce::String& name) const;
    /** Type code of shown column `index`; 0 when the type list is shorter. */
    int typeAt (int index) const;
    /** Width in characters of shown column `index`; 0 when the width list is shorter. */
    int widthAt (int index) const;

    bool valid = false;
    juce::String prefix;
    juce::StringArray hiddenColumns;
    juce::StringArray columns;
    juce::Array<int> columnTypes;
    juce::Array<int> columnWidths;
    juce::StringArray statColumns;
    juce::Array<int> statKinds;
};

/** The bill-of-materials item view: its query (the view appends its WHERE clause) and its spec. */
extern const char* const kKosovnicaQuery;
const TableColumnSpec& kosovnicaColumnSpec();

/** The VAT clause view's spec. */
const TableColumnSpec& klavzuleColumnSpec();
