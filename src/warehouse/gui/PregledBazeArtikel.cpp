#include "warehouse/gui/PregledBazeArtikel.h"

#include "warehouse/ArtikelQueries.h"

namespace
{
const std::initializer_list<const char*> kHidden { "id", "link", "link2", "ddv", "enota", "parent", "tip", "active" };

void showColumns (PregledBaze& browser, std::initializer_list<int> shown, std::initializer_list<int> hidden)
{
    auto& header = browser.getTable().getHeader();
    for (int id : shown)
        if (! header.isColumnVisible (id))
            header.setColumnVisible (id, true);
    for (int id : hidden)
        if (header.isColumnVisible (id))
            header.setColumnVisible (id, false);
}

void sortBackwards (PregledBaze& browser, int columnId)
{
    // The header re-sorts later, from the message loop; the rows are in order at once.
    browser.getTable().getHeader().setSortColumnId (columnId, false);
    browser.sortOrderChanged (columnId, false);
}
} // namespace

PregledBazeArtikel::PregledBazeArtikel (const juce::String& query, int editableFlag, const TableColumnSpec& spec)
    : PregledBaze (query, editableFlag != 0, spec)
{
}

PregledBazeArtikel::~PregledBazeArtikel() = default;

const TableColumnSpec& PregledBazeArtikel::artikelSpec()
{
    static const TableColumnSpec spec ("pregledbazeartikel_",
                                       { { "ime", CellType::text, 25 }, { "datumkreiranja", CellType::date, 15 },
                                         { "cena", CellType::amount, 10 }, { "skime", CellType::textCentred, 15 },
                                         { "stevilo", CellType::wholeCentred, 10 }, { "serijalabel", CellType::text, 20 } },
                                       kHidden);
    return spec;
}

const TableColumnSpec& PregledBazeArtikel::hrambaSpec()
{
    static const TableColumnSpec spec ("pregledbazeartikel_",
                                       { { "ime", CellType::text, 25 }, { "datumkreiranja", CellType::date, 15 },
                                         { "cena", CellType::amount, 10 }, { "skime", CellType::textCentred, 15 },
                                         { "stevilo", CellType::wholeCentred, 10 }, { "serijalabel", CellType::text, 20 } },
                                       kHidden,
                                       { { "ime", StatKind::title }, { "stevilo", StatKind::sum } });
    return spec;
}

const TableColumnSpec& PregledBazeArtikel::prodajaSpec()
{
    static const TableColumnSpec spec ("pregledbazeartikel_p_",
                                       { { "rtip", CellType::documentKind, 5 }, { "oznaka", CellType::text, 10 },
                                         { "kupec", CellType::longText, 25 }, { "datum", CellType::date, 15 },
                                         { "stevilo", CellType::wholeCentred, 10 }, { "cena", CellType::amount, 10 },
                                         { "znesek", CellType::amount, 10 }, { "ddv", CellType::amount, 10 },
                                         { "skupaj", CellType::amount, 10 } },
                                       // the article's VAT-rate id, under its own name in the sales query
                                       { "id", "link", "link2", "ddv", "artikelddv", "enota", "parent", "tip", "active" },
                                       { { "oznaka", StatKind::title }, { "stevilo", StatKind::sum }, { "znesek", StatKind::sum },
                                         { "ddv", StatKind::sum }, { "skupaj", StatKind::sum } });
    return spec;
}

PregledBazeArtikel* createArtikelZalogaBrowser (const Hramba& entry)
{
    auto* browser = new PregledBazeArtikel (ArtikelQueries::hrambe() + " WHERE h.active=1 AND a.id=" + juce::String (entry.artikel.id), 0,
                                            PregledBazeArtikel::hrambaSpec());
    showColumns (*browser, { 1, 4, 5 }, { 2, 3 });
    return browser;
}

PregledBazeArtikel* createArtikelDetailsBrowser (const Hramba& entry)
{
    auto* browser = new PregledBazeArtikel (ArtikelQueries::artikli() + " WHERE a.id=" + juce::String (entry.artikel.id), 0,
                                            PregledBazeArtikel::artikelSpec());
    sortBackwards (*browser, 1);
    showColumns (*browser, { 1, 2, 3 }, {});
    return browser;
}

PregledBazeArtikel* createArtikelProdajaBrowser (const Hramba& entry)
{
    auto* browser = new PregledBazeArtikel (ArtikelQueries::prodaja() + " WHERE r.tip!=" + juce::String (ArtikelQueries::kQuotation)
                                                + " AND a.id=" + juce::String (entry.artikel.id)
                                                + " AND r.status>=" + juce::String (ArtikelQueries::kIssued),
                                            0, PregledBazeArtikel::prodajaSpec());
    sortBackwards (*browser, 4);
    showColumns (*browser, { 1, 2, 3 }, { 7, 8 });
    return browser;
}

PregledBazeArtikel* createArtikelBrowser (int editableFlag)
{
    auto* browser = new PregledBazeArtikel (ArtikelQueries::artikli(), editableFlag, PregledBazeArtikel::artikelSpec());
    sortBackwards (*browser, 1);
    showColumns (*browser, { 1, 2 }, {});
    return browser;
}
