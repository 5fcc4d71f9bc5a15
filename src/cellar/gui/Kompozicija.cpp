#include "cellar/gui/Kompozicija.h"
#include "cellar/SerijaStore.h"

namespace
{
constexpr int kVolumenColumn = 6;
constexpr int kShownColumns = 5;
constexpr int kAllColumns = 14;
} // namespace

Kompozicija::Kompozicija (const juce::String& q) : PregledBaze (q, false, columnSpec()) {}

const TableColumnSpec& Kompozicija::columnSpec()
{
    static const TableColumnSpec spec ("pregledbazekompozicija_",
                                       { { "sorta", CellType::text, 15 },
                                         { "vletnik", CellType::wholeCentred, 5 },
                                         { "parcela", CellType::text, 10 },
                                         { "vinogradnik", CellType::text, 15 },
                                         { "razmerje", CellType::number, 10 },
                                         { "volumen", CellType::amountTotal, 10 },
                                         { "serija", CellType::textCentred, 5 },
                                         { "seletnik", CellType::wholeCentred, 10 },
                                         { "model", CellType::textCentred, 15 },
                                         { "modelvolumen", CellType::textCentred, 10 },
                                         { "datumpolnjenja", CellType::date, 15 },
                                         { "steviloserije", CellType::wholeCentred, 15 },
                                         { "posoda", CellType::textCentred, 15 },
                                         { "klet", CellType::textCentred, 15 } },
                                       { "serijaid", "vinoid", "posodaid", "modelid" });
    return spec;
}

bool Kompozicija::dodajVino (int serija, int vino, double volumen, int posoda, SQLtoXml* db)
{
    return SerijaStore::dodajVino (serija, vino, volumen, posoda, db);
}

std::unique_ptr<Kompozicija> createKompozicija (SerijaRecord serija)
{
    auto list = std::make_unique<Kompozicija> (SerijaStore::kompozicijaQuery() + " WHERE se.id=" + juce::String (serija.id));
    auto& header = list->getTable().getHeader();
    header.setSortColumnId (kVolumenColumn, false);
    list->sortOrderChanged (kVolumenColumn, false);
    for (int id = 1; id <= kAllColumns; ++id)
        header.setColumnVisible (id, id <= kShownColumns);
    return list;
}
