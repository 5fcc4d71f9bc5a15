#include "cellar/gui/DnevnikSerija.h"
#include "cellar/SerijaStore.h"
#include "core/DateTime.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "operations/Opravilo.h"
#include "operations/OpraviloLogDetails.h"
#include "operations/OpraviloPretokTools.h"
#include "print/gui/JournalPrintout.h"
#include "print/gui/PrintDialog.h"
#include "print/myPrint.h"

using juce::String;

namespace
{
void log (const char* method, const String& message)
{
    vindoro::vlog (String ("DnevnikSerija::") + method, message);
}

constexpr int kInflow = 1;
constexpr int kOutflow = 2;
constexpr int kSteklenicenje = OperationType::bottling;
// Entries of this kind that come after the last bottling cannot have made the batch's wine.
constexpr int kLateKind = 15;

} // namespace

String DnevnikSerija::journalQuery()
{
    return "SELECT g.id,g.datum as datum,opravilo.ime AS ime,stranka.ime AS vindor,'-' as opomba,g.opravilo AS opraviloid,"
           "stek.serija AS serijaid,pin.id AS pretokinid,pin.posoda AS pretokinposoda,pout.id AS pretokoutid,pout.posoda AS pretokoutposoda,"
           "vo.id AS vinopraviloid ,vo.posoda AS vinopraviloposoda FROM glavna AS g LEFT JOIN opravilo ON g.opravilo = opravilo.id "
           "LEFT JOIN stranka ON stranka.id = g.stranka LEFT JOIN trgatev AS t ON t.glavna=g.id LEFT JOIN pretok AS pin ON pin.glavna=g.id AND pin.smer="
           + String (kInflow) + " LEFT JOIN pretok AS pout ON pout.glavna=g.id AND pout.smer=" + String (kOutflow)
           + " LEFT JOIN kalo AS k ON k.glavna=g.id LEFT JOIN steklenicenje AS stek ON stek.glavna=g.id LEFT JOIN starovino AS sv ON sv.glavna=g.id "
             "LEFT JOIN vinopravilo AS vo ON vo.glavna=g.id LEFT JOIN racun AS r ON r.glavna=g.id LEFT JOIN postavka AS rpo ON rpo.racun=r.id "
             "LEFT JOIN hramba AS rpohr ON rpohr.id=rpo.link LEFT JOIN artikel AS rpoart ON rpoart.id=rpohr.artikel "
             "LEFT JOIN prenos AS pe ON pe.glavna=g.id LEFT JOIN hramba AS pehr ON pehr.id=pe.hramba LEFT JOIN artikel AS peart ON peart.id=pehr.artikel ";
}

const TableColumnSpec& DnevnikSerija::columnSpec()
{
    static const TableColumnSpec spec ("dnevnikserija_",
                                       { { "datum", CellType::date, 15 },
                                         { "ime", CellType::translated, 15 },
                                         { "opomba", CellType::longText, 100 },
                                         { "vindor", CellType::longText, 10 } },
                                       { "id", "opraviloid", "serijaid", "pretokinid", "pretokoutid", "vinopraviloid", "pretokinposoda",
                                         "pretokoutposoda", "vinopraviloposoda" });
    return spec;
}

DnevnikSerija::DnevnikSerija (const String& q) : PregledBaze (q + " WHERE 0", false, columnSpec()), journalText (q)
{
    setName ("DnevnikSerija");
    ownSettings.setPrefix ("DnevnikSerija");
    ownSettings.setValue ("fontsizetable", 10);
    ownSettings.setValue ("headerlines", 1);
    ownSettings.setValue ("papersize", 1);
    auto& header = getTable().getHeader();
    header.setSortColumnId (kDatumColumn, true);
    header.setStretchToFitActive (false);
}

DnevnikSerija::~DnevnikSerija() = default;

std::unique_ptr<DnevnikSerija> createDnevnikSerija()
{
    auto journal = std::make_unique<DnevnikSerija> (DnevnikSerija::journalQuery());
    journal->serijaIds = "()";
    journal->vinoIds = "()";
    return journal;
}

void DnevnikSerija::setSerijaIDN (SerijaRecord record, int slot)
{
    SerijaListener::setSerijaIDN (record, slot);
    const auto serija = getSerija();
    if (serija.id <= 0)
    {
        log ("setSerijaIDN", "ERROR: serijaid ni podano");
        serijaIds = {};
        vinoIds = {};
        return;
    }
    serijaIds = "(" + String (serija.id) + ")";
    SQLtoXml db;
    const auto wines = db.sqlQueryString ("SELECT " + sqlGroupConcat ("vino", ",") + "  FROM kompozicija WHERE serija IN " + serijaIds);
    // No composition yet: no wine id (the first real wine of the cellar has id 1).
    vinoIds = wines.isNotEmpty() ? "(" + wines + ")" : String ("(0)");
}

String DnevnikSerija::getPogoj()
{
    addCondition (String ("(t.vino IN {vinoid} OR pin.vino IN {vinoid} OR pout.vino IN {vinoid} OR k.vino IN {vinoid} OR sv.vino IN {vinoid} "
                          "OR vo.vino IN {vinoid} OR stek.serija IN {serijaid} OR rpoart.link IN {serijaid} OR peart.link IN {serijaid})")
                      .replace ("{serijaid}", serijaIds)
                      .replace ("{vinoid}", vinoIds));
    return PorociloPogoj::getPogoj() + " GROUP BY g.id ORDER BY g.datum DESC " + getLimit();
}

void DnevnikSerija::reloadData()
{
    setNaslov (TRANS ("DnevnikSerijaPorocilo"));
    const auto serija = getSerija();
    if (serija.id < 1 || serijaIds.isEmpty() || vinoIds.isEmpty())
    {
        log ("reloadData", "ERROR: ne vem kaj nalozit");
        return;
    }
    setNaslov (getNaslov() + " " + formatSerija (serija.sorta.sorta, serija));

    PregledBaze::sqlQuery (journalText + " WHERE " + getPogoj());
    auto* rows = getData();
    if (rows == nullptr)
    {
        updateTableContent();
        return;
    }

    for (auto* row : rows->getChildIterator())
    {
        Opravilo::LogDetails details (row->getIntAttribute ("id"), row->getIntAttribute ("opraviloid"), {}, row->getStringAttribute ("vindor"),
                                      this);
        details.serijaFilter = serijaIds;
        details.reloadText();
        row->setAttribute ("opomba", details.getText());
    }

    // The batch's own bottlings; another batch's bottling from the same vessel is not its history.
    const auto ids = parseIntList (serijaIds);
    juce::Array<int> bottlings;
    juce::int64 last = 0;
    for (auto* row : rows->getChildIterator())
    {
        if (row->getIntAttribute ("opraviloid") != kSteklenicenje)
            continue;
        if (ids.contains (row->getIntAttribute ("serijaid")))
        {
            bottlings.add (row->getIntAttribute ("id"));
            last = juce::jmax (last, Opravilo::PretokTools::timeOf (row->getStringAttribute ("datum")));
        }
        else
            SQLtoXml::setDeleted (row, true);
    }
    if (bottlings.isEmpty())
        last = juce::Time::getCurrentTime().toMilliseconds();
    DateTime lastDate;
    lastDate.time = juce::Time (last);
    log ("reloadData", "zadnje steklenicenje:" + lastDate.toString());

    for (auto* row : rows->getChildIterator())
    {
        if (SQLtoXml::isDeleted (row))
            continue;
        const bool moves = row->getIntAttribute ("opraviloid") == kLateKind || row->getIntAttribute ("pretokinid") > 0
                           || row->getIntAttribute ("pretokoutid") > 0
                           || (row->getIntAttribute ("pretokinid") == 0 && row->getIntAttribute ("pretokoutid") == 0
                               && row->getIntAttribute ("vinopraviloid") > 0);
        if (moves && Opravilo::PretokTools::timeOf (row->getStringAttribute ("datum")) > last)
        {
            SQLtoXml::setDeleted (row, true);
            log ("reloadData", "nasel prevec nov pretok id:" + row->getStringAttribute ("id"));
        }
    }

    {
        // One index for every chain: each step finds its successor without scanning every row.
        const Opravilo::PretokTools::RowIndex index (rows);
        for (auto* row : rows->getChildIterator())
        {
            if (SQLtoXml::isDeleted (row))
                continue;
            Opravilo::PretokTools tools (row->getIntAttribute ("id"), this);
            bool linked = false;
            for (int bottling : bottlings)
                if ((linked = tools.greDoSteklenicenja (bottling, index)))
                    break;
            if (! linked)
            {
                SQLtoXml::setDeleted (row, true);
                // A removed row is no one's successor any more: chains walked before may now lead elsewhere.
                index.rowsChanged();
                log ("reloadData", "nasel nepovezan pretok id:" + row->getStringAttribute ("id"));
            }
        }
    }

    removeDeleted();
    invalidateRowIndex();
    auto& header = getTable().getHeader();
    sortOrderChanged (header.getSortColumnId(), header.isSortedForwards());
    updateTableContent();
    selectReferencedRow();
}

bool DnevnikSerija::printAction()
{
    if (getPrintDialog() != nullptr)
    {
        log ("printAction", "print okno je se odprto");
        return true;
    }
    if (openPrintDialog (this, kPrintFlags, kPrintPrefix) != nullptr)
        if (auto* dialog = getPrintDialog())
        {
            auto& s = dialog->getSettings();
            s.setValue ("title", "dnevnikserija");
            s.setValue ("printname", "dnevnikserija");
            s.update (ownSettings);
            s.loadUserSettings();
        }
    return true;
}

int DnevnikSerija::printReport (juce::Rectangle<int> pageArea, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                                int totalPages)
{
    // The numbers mark where the page loop stands in the log.
    const JournalPrintout printout { "DnevnikSerija", { 458, 497, 537, 584 }, getNaslov() };
    return printout.print (*this, pageArea, printer, settings, output, totalPages);
}
