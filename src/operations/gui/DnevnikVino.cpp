#include "operations/gui/DnevnikVino.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "operations/OpraviloLogDetails.h"
#include "print/gui/JournalPrintout.h"
#include "print/gui/PrintDialog.h"
#include "print/myPrint.h"

using juce::String;

namespace
{
void log (const char* method, const String& message)
{
    vindoro::vlog (String ("DnevnikVino::") + method, message);
}

// Column ids are the 1-based positions of the journal query's result columns.
constexpr int kDatumColumn = 2;

} // namespace

const char* const DnevnikVino::kQuery =
    "SELECT g.id AS id,g.datum as datum,opravilo.ime AS ime,stranka.ime AS vindor,'-' as opomba,g.opravilo AS opraviloid FROM glavna AS g "
    "LEFT JOIN opravilo ON g.opravilo = opravilo.id LEFT JOIN stranka ON stranka.id = g.stranka LEFT JOIN trgatev AS t ON t.glavna=g.id "
    "LEFT JOIN pretok AS p ON p.glavna=g.id LEFT JOIN kalo AS k ON k.glavna=g.id LEFT JOIN starovino AS sv ON sv.glavna=g.id "
    "LEFT JOIN vinopravilo AS vo ON vo.glavna=g.id WHERE t.vino IN {vinoid} OR p.vino IN {vinoid} OR k.vino IN {vinoid} OR "
    "sv.vino IN {vinoid} OR vo.vino IN {vinoid} GROUP BY g.id ORDER BY g.datum DESC ";

const TableColumnSpec& DnevnikVino::columnSpec()
{
    static const TableColumnSpec spec ("dnevnikvino_",
                                       { { "datum", CellType::date, 15 },
                                         { "ime", CellType::translated, 15 },
                                         { "opomba", CellType::longText, 100 },
                                         { "vindor", CellType::longText, 10 } },
                                       { "id", "opraviloid" });
    return spec;
}

DnevnikVino::DnevnikVino (const String& q) : PregledBaze (q, false, columnSpec()), PosodaListener (1)
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kDatumColumn, true);
    // The header sorts on its next update; the rows are in order from the start.
    sortOrderChanged (kDatumColumn, true);
    header.setStretchToFitActive (false);
}

DnevnikVino::~DnevnikVino() = default;

std::unique_ptr<DnevnikVino> createDnevnikVino (const String& vinoIds)
{
    const auto ids = Opravilo::LogDetails::idListSql (vinoIds);
    if (ids.isEmpty())
        return nullptr;

    auto journal = std::make_unique<DnevnikVino> (String (DnevnikVino::kQuery).replace ("{vinoid}", ids));
    journal->vinoIds = ids;
    if (auto* rows = journal->getData())
        for (auto* row : rows->getChildIterator())
        {
            Opravilo::LogDetails details (row->getIntAttribute ("id", 0), row->getIntAttribute ("opraviloid", 0), {},
                                          row->getStringAttribute ("vindor"), journal.get());
            details.reloadText();
            row->setAttribute ("opomba", details.getText());
        }
    journal->updateTableContent();
    return journal;
}

bool DnevnikVino::printAction()
{
    if (getPrintDialog() != nullptr)
    {
        log ("printAction", kPrintDialogOpen);
        return true;
    }
    if (openPrintDialog (this, kPrintFlags, kPrintPrefix) != nullptr)
        if (auto* dialog = getPrintDialog())
        {
            auto& s = dialog->getSettings();
            s.setValue ("title", "dnevnikvino");
            s.setValue ("printname", "dnevnikvino");
            s.setValue ("papersize", 1);
        }
    return true;
}

String DnevnikVino::printTitle()
{
    String title = "Dnevnik vinskih opravil";
    const auto vessel = getPosoda (1);
    if (vessel.id >= 1)
    {
        title << " vina v posodi " << vessel.oznaka << " v kleti "
              << sqlQueryString ("SELECT ime FROM klet WHERE id=" + String (vessel.klet.id));
    }
    else if (vinoIds.isNotEmpty())
    {
        const auto names = sqlQueryString ("SELECT "
                                           + sqlGroupConcat ("sorta.sorta || ' ' || vino.letnik || ' (' || substr(parcela.ime,1,5) || ')'", ", ")
                                           + " FROM vino LEFT JOIN sorta ON sorta.id=vino.sorta LEFT JOIN parcela ON parcela.id=vino.parcela  WHERE vino.id IN "
                                           + vinoIds)
                               .trim();
        if (names.isNotEmpty())
            title << " za vina " << names;
    }
    return title;
}

int DnevnikVino::printReport (juce::Rectangle<int> pageArea, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                              int totalPages)
{
    // The numbers mark where the page loop stands in the log.
    const JournalPrintout printout { "DnevnikVino", { 139, 178, 213, 260 }, printTitle() };
    return printout.print (*this, pageArea, printer, settings, output, totalPages);
}
