#pragma once
// The column definition of one browser or report table: hidden and shown columns, their display
// type codes and widths, and the measures of a report's statistics line. Owned by the widget kit;
// every spec is built once and only read afterwards; browsers keep a copy of their own.
#include <juce_core/juce_core.h>

#include <initializer_list>

/** Display type of a shown column; the numbers are the stored type codes and never change. Codes
    no rule names (0, 1, 2) show the stored text unchanged, centred. */
enum class CellType : int
{
    none = 0,
    textCentred = 2,       // unchanged, centred (as none)
    iban = 3,              // blocks of four characters, centred
    documentKind = 4,      // the translated name of a document kind
    itemKind = 5,          // the translated description of an invoice-item kind
    text = 6,              // unchanged, left
    translated = 7,        // the translation of the stored key, left
    multiLine = 8,         // line breaks removed, cut to one and a half widths, left
    longText = 9,          // unchanged, left
    textRight = 10,        // unchanged, right
    amount = 11,           // two decimals, right
    amountBlankZero = 12,  // two decimals, empty when zero, right
    amountDashZero = 13,   // two decimals, "-" when zero, right
    amountTotal = 14,      // two decimals, right (as amount)
    quantity = 15,         // four decimals, right
    number = 16,           // two decimals, centred
    numberCentred = 17,    // two decimals, centred (as number)
    quantityCentred = 18,  // four decimals, centred
    wholeRight = 19,       // integer text, right
    wholeCentred = 20,     // integer text, centred
    wholeLeft = 21,        // integer text, left
    date = 22,             // the user's date layout, "-" when not a date
    date8 = 23,            // a date stored as eight digits DDMMYYYY
    dateEdited = 24,       // as date; typed in place as DD-MM-YYYY
    yesNo = 25,            // the translation of "bool_true" or "bool_false"
    wineColour = 26        // the translation of "rdecevino" (0) or "belovino" (1)
};

/** Kind of one measure of a report's statistics line; the numbers are the stored kind codes. */
enum class StatKind : int
{
    none = 0,    // no kind: makes no measure (as any code outside 1 to 8)
    label = 1,   // the translated label under the column, no value
    title = 2,   // the title of the statistics line
    sum = 3,
    avg = 4,
    min = 5,
    max = 6,
    dif = 7,     // "name:left:right", left minus right
    ratio = 8    // "name:left:right", left divided by right
};

class TableColumnSpec
{
public:
    /** One shown column: its result-column name, display type and width in characters ("X");
        a width of 0 keeps the browser's default width for the column. */
    struct Column
    {
        const char* name;
        CellType type;
        int width;
    };

    /** One measure of the statistics line: a column name or "name:left:right", and its kind. */
    struct Stat
    {
        const char* measure;
        StatKind kind;
    };
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

    /** Typed form: the shown columns with their types and widths in one list, so a column's type
        and width can never fall out of line with its name; hidden columns and statistics by name. */
    TableColumnSpec (const juce::String& prefix,
                     std::initializer_list<Column> shown,
                     std::initializer_list<const char*> hidden = {},
                     std::initializer_list<Stat> stats = {});

    /** Index of `name` among the shown columns (exact, first match), or -1. */
    int indexOfColumn (const juce::String& name) const;
    bool isHidden (const juce::String& name) const;
    /** Type code of shown column `index`; 0 when the type list is shorter. */
    int typeAt (int index) const;
    /** Display type of shown column `index`; CellType::none when the type list is shorter. */
    CellType cellTypeAt (int index) const { return static_cast<CellType> (typeAt (index)); }
    /** Kind of statistics measure `index`; StatKind::none when the kind list is shorter. */
    StatKind statKindAt (int index) const;
    /** Width in characters of shown column `index`; 0 when the width list is shorter. */
    int widthAt (int index) const;
    /** The header text of result column `name`: the translation of prefix + name when the column
        is one of the shown ones, else the name itself. */
    juce::String titleFor (const juce::String& name) const;
    /** The label of statistic `name`: the translation of prefix + "stats_" + name. */
    juce::String statsLabelFor (const juce::String& name) const { return juce::translate (prefix + "stats_" + name); }

    bool valid = false;
    juce::String prefix;
    juce::StringArray hiddenColumns;
    juce::StringArray columns;
    juce::Array<int> columnTypes;
    juce::Array<int> columnWidths;
    juce::StringArray statColumns;
    juce::Array<int> statKinds;
};
