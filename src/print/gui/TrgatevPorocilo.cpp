#include "print/gui/TrgatevPorocilo.h"

#include "core/DateTime.h"
#include "print/TrgatevObrazec.h"

namespace
{
juce::String shownDay (const juce::Time& t)
{
    return t.formatted (TRANS ("%Y-%m-%d"));
}
} // namespace

TrgatevPorocilo::TrgatevPorocilo()
    : PregledBaze (queryText() + " WHERE 0 GROUP BY t.id", false, columnSpecification()),
      StrankaListener (1)
{
    setName ("TrgatevPorocilo");
    auto& settings = printLayout.layoutSettings;
    settings.setPrefix (kPrintPrefix);
    settings.setValue ("fontsizetable", 10);
    settings.setValue ("headerlines", 1);
    settings.setValue ("papersize", 0);
    getTable().getHeader().setStretchToFitActive (true);
}

TrgatevPorocilo::~TrgatevPorocilo() = default;

const juce::String& TrgatevPorocilo::queryText()
{
    // One row per harvest booking: its must may have gone into several vessels, and its grapes
    // must count once, so the inflows are summed and the yield taken from the sum.
    static const juce::String text =
        "SELECT t.id AS tid,p.kmgmid AS kmgmid,p.dolgoime AS naziv,par.ime AS parcela,s.sorta AS sorta,g.datum AS datum,"
        "t.volumen AS masa,SUM(pretok.volumen) AS volumen,SUM(pretok.volumen)/t.volumen*1e2 AS ratio,g.opomba AS opomba,"
        "p.id AS pid,par.id AS parid,s.id AS sid FROM trgatev AS t  LEFT JOIN vino AS v ON v.id=t.vino"
        " LEFT JOIN sorta AS s ON s.id=v.sorta LEFT JOIN parcela AS par ON par.id=v.parcela"
        " LEFT JOIN stranka AS p ON p.id=par.vinogradnik LEFT JOIN glavna AS g ON g.id=t.glavna"
        " LEFT JOIN pretok ON pretok.glavna=t.glavna AND pretok.smer=1";
    return text;
}

const TableColumnSpec& TrgatevPorocilo::columnSpecification()
{
    static const TableColumnSpec spec ("porocilo_trgatevporocilo_",
                                       { { "kmgmid", CellType::textCentred, 10 }, { "naziv", CellType::text, 25 },
                                         { "parcela", CellType::text, 15 }, { "sorta", CellType::textCentred, 10 },
                                         { "datum", CellType::date, 12 }, { "masa", CellType::numberCentred, 15 },
                                         { "volumen", CellType::numberCentred, 15 }, { "ratio", CellType::number, 12 },
                                         { "opomba", CellType::longText, 25 } },
                                       { "tid", "pid", "parid", "sid" },
                                       { { "kmgmid", StatKind::title }, { "masa", StatKind::sum }, { "volumen", StatKind::sum },
                                         { "ratio:volumen:masa", StatKind::ratio } });
    return spec;
}

void TrgatevPorocilo::setStartDate (const juce::String& text)
{
    if (text.isNotEmpty())
        pogoji.add ("datum>='" + text + "'");
    startDate = text;
}

void TrgatevPorocilo::setEndDate (const juce::String& text)
{
    if (text.isNotEmpty())
        pogoji.add ("datum<'" + text + "'");
    endDate = text;
}

juce::String TrgatevPorocilo::getPogoj()
{
    pogoji.add ("t.active>0");
    // Party ids start at 1; the window's "no party" is the empty record (-1).
    if (const int grower = getStranka (1).id; grower > 0)
        pogoji.add ("p.id=" + juce::String (grower));
    return PorociloPogoj::getPogoj();
}

juce::String TrgatevPorocilo::getStrankaNaslov() const
{
    return TRANS ("porocilo_trgatevporocilo_naziv");
}

void TrgatevPorocilo::reloadData()
{
    DateTime start, end;
    start = startDate;
    end = endDate;
    // The end is stored exclusive (the next day's start); the title names the period's last day.
    const juce::Time noon (end.time.getYear(), end.time.getMonth(), end.time.getDayOfMonth(), 12, 0);
    const juce::Time lastDay = noon - juce::RelativeTime::days (1);
    naslov = (TRANS ("porocilo_trgatevporocilo_naslov_porocila") + TRANS ("Porocilo_od") + shownDay (start.time)).trim()
             + TRANS ("Porocilo_do") + shownDay (lastDay);

    sqlQuery (queryText() + " WHERE " + getPogoj() + " GROUP BY t.id ORDER BY pid,parid" + getLimit());
    updateTableContent();
    selectReferencedRow();
}

std::vector<juce::XmlElement*> TrgatevPorocilo::consideredRows (bool& isSelection)
{
    std::vector<juce::XmlElement*> rows;
    const auto selected = getTable().getSelectedRows();
    isSelection = ! selected.isEmpty();
    for (int i = 0; i < getNumRows(); ++i)
    {
        auto* row = rowAt (i);
        if (row == nullptr)
            continue;
        if (isSelection ? selected.contains (i) : ! row->getBoolAttribute ("deleted"))
            rows.push_back (row);
    }
    return rows;
}

int TrgatevPorocilo::printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings&, myPrint* output, int)
{
    bool isSelection = false;
    auto rows = consideredRows (isSelection);
    TrgatevObrazec form (std::move (rows), isSelection);
    return form.layout (area, printer, output);
}
