#include "warehouse/gui/PorociloZalogArtiklov.h"

#include "core/DateTime.h"

PorociloZalogArtiklov::PorociloZalogArtiklov()
    : PregledBaze (baseQuery().replace (kFromMarker, "FROM hramba AS h") + " WHERE 0", false, columnSpecification()),
      ZalogaArtiklov (this)
{
    setName ("PorociloZalogArtiklov");
    auto& settings = printLayout.layoutSettings;
    settings.setPrefix ("PorociloZalogArtiklov");
    settings.setValue ("fontsizetable", 10);
    settings.setValue ("headerlines", 1);
    settings.setValue ("papersize", 0);
    summaryRows = true;
    auto& header = getTable().getHeader();
    header.setSortColumnId (2, true);
    header.setColumnVisible (11, false);
    header.setStretchToFitActive (true);
}

PorociloZalogArtiklov::~PorociloZalogArtiklov() = default;

const TableColumnSpec& PorociloZalogArtiklov::columnSpecification()
{
    static const TableColumnSpec spec ("porocilozalogartiklov_",
                                       { { "artikelime", CellType::text, 20 }, { "skladisceime", CellType::textCentred, 10 },
                                         { "lastnik", CellType::textCentred, 15 }, { "serija", CellType::textCentred, 10 },
                                         { "steklenica", CellType::textCentred, 15 }, { "kvaliteta", CellType::textCentred, 10 },
                                         { "volumen", CellType::amountTotal, 15 }, { "stevilo", CellType::amountTotal, 15 },
                                         { "hid", CellType::wholeCentred, 3 } },
                                       { "aid", "skid" },
                                       { { "artikelime", StatKind::title }, { "volumen", StatKind::sum }, { "stevilo", StatKind::sum } });
    return spec;
}

void PorociloZalogArtiklov::setStartDate (const juce::String& text)
{
    DateTime day;
    day = text;
    startDate = day.toSqlDayEnd();
}

void PorociloZalogArtiklov::reloadData()
{
    if (reloadPregled())
    {
        auto result = takeResult();
        stealAllData (result);
    }
    else if (getData() != nullptr)
    {
        // No stock replayed on half the data: the report shows no rows.
        getData()->deleteAllChildElements();
        attach (forgetResult());
    }
    invalidateRowIndex();
    tableList.deselectAllRows();
    selectedRow = nullptr;

    auto& header = getTable().getHeader();
    if (const int sortColumn = header.getSortColumnId(); sortColumn != 0)
        sortOrderChanged (sortColumn, header.isSortedForwards());
    updateTableContent();
    selectReferencedRow();
}
