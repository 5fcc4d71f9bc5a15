#include "invoices/gui/PregledBazeKlavzule.h"
#include "warehouse/gui/KosovnicaView.h"
#include "widgets/TableColumnSpec.h"

#include <gtest/gtest.h>

TEST (TableColumnSpecTest, ListsEndAtTheirTerminators)
{
    const char* const hidden[] = { "id", "active", "", "notread" };
    const char* const shown[] = { "ime", "znesek", "datum", nullptr };
    const int types[] = { 6, 11, 0, 22 };
    const int widths[] = { 20, -1, 5 };
    const TableColumnSpec spec ("stranka_", hidden, shown, types, widths);

    EXPECT_TRUE (spec.valid);
    EXPECT_EQ (spec.prefix, "stranka_");
    EXPECT_EQ (spec.hiddenColumns, juce::StringArray ({ "id", "active" }));
    EXPECT_EQ (spec.columns, juce::StringArray ({ "ime", "znesek", "datum" }));
    EXPECT_EQ (spec.columnTypes.size(), 2);
    EXPECT_EQ (spec.columnWidths.size(), 1);
    // Entries past a shorter list read as "none".
    EXPECT_EQ (spec.typeAt (2), 0);
    EXPECT_EQ (spec.widthAt (1), 0);
    EXPECT_TRUE (spec.statColumns.isEmpty());
}

TEST (TableColumnSpecTest, ReportFormKeepsMeasuresAndCopiesAreIndependent)
{
    const auto& spec = kosovnicaColumnSpec();
    EXPECT_EQ (spec.statColumns, juce::StringArray ({ "ime", "stevilo", "cenaskupaj" }));
    EXPECT_EQ (spec.statKinds, juce::Array<int> ({ 2, 3, 3 }));
    EXPECT_EQ (spec.columnTypes, juce::Array<int> ({ 6, 22, 11, 17, 11 }));
    EXPECT_EQ (spec.columnWidths, juce::Array<int> ({ 25, 15, 10, 10, 15 }));
    EXPECT_EQ (spec.indexOfColumn ("cena"), 2);
    EXPECT_EQ (spec.indexOfColumn ("Cena"), -1); // names match exactly
    EXPECT_TRUE (spec.isHidden ("glavna"));

    TableColumnSpec copy = spec;
    copy.columns.set (0, "x");
    EXPECT_EQ (spec.columns[0], "ime");
    EXPECT_FALSE (TableColumnSpec().valid);
    EXPECT_EQ (klavzuleColumnSpec().widthAt (0), 200);
}

TEST (TableColumnSpecTest, TypedFormKeepsEachColumnsTypeAndWidthWithItsName)
{
    const TableColumnSpec spec ("pregledbazekosovnica_",
                                { { "ime", CellType::text, 25 }, { "datumkreiranja", CellType::date, 15 },
                                  { "stevilo", CellType::numberCentred, 10 } },
                                { "id", "glavna" },
                                { { "ime", StatKind::title }, { "ratio:stevilo:ime", StatKind::ratio } });
    EXPECT_TRUE (spec.valid);
    EXPECT_EQ (spec.hiddenColumns, juce::StringArray ({ "id", "glavna" }));
    EXPECT_EQ (spec.columns, juce::StringArray ({ "ime", "datumkreiranja", "stevilo" }));
    // The stored codes are the numbers the cell rules know.
    EXPECT_EQ (spec.columnTypes, juce::Array<int> ({ 6, 22, 17 }));
    EXPECT_EQ (spec.columnWidths, juce::Array<int> ({ 25, 15, 10 }));
    EXPECT_EQ (spec.cellTypeAt (1), CellType::date);
    EXPECT_EQ (spec.cellTypeAt (3), CellType::none);
    EXPECT_EQ (spec.statKinds, juce::Array<int> ({ 2, 8 }));
    EXPECT_EQ (spec.statColumns[1], "ratio:stevilo:ime");
}
