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
#include "partners/OwnCompany.h"
#include "print/gui/PrintDialog.h"
#include "print/myPrint.h"

#include <cmath>

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

// Where the page loop stands, so that a block placed once is not placed again on a later page.
constexpr int kStartCheckpoint = 458;
constexpr int kHeaderCheckpoint = 497;
constexpr int kTitleCheckpoint = 537;
constexpr int kClosingCheckpoint = 584;

void logCheckpoint (int page, int checkpoint, const char* block, int thisCheckpoint, myPrint* output)
{
    log ("printReport", String::formatted ("page:%d checkpoint:%d - %s this_checkpoint:%d %s", page, checkpoint, block,
                                           thisCheckpoint, output != nullptr ? "PRINTING" : "SKIPPING"));
}

void drawGlyphs (myPrint* output, const juce::GlyphArrangement& glyphs)
{
    if (output == nullptr || glyphs.getNumGlyphs() == 0)
        return;
    juce::Path path;
    glyphs.createPath (path);
    output->setFill (juce::FillType (juce::Colours::black));
    output->fillPath (path, juce::AffineTransform());
}
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
    int checkpoint = kStartCheckpoint;
    int nextRow = 0;
    bool tableStarted = false;
    bool tableDone = false;
    int refusedOnPage = -1;
    bool closingDeferred = false;
    const auto title = getNaslov();
    juce::Font font (12.0f);

    int page = 0;
    for (;; ++page)
    {
        if (page >= myPrint::kMaxPagesPerJob)
        {
            --page;
            break;
        }
        if (page > 0 && output != nullptr)
        {
            log ("printReport", String::formatted ("starting a new page %d", page));
            output->newPage (page);
        }
        auto area = pageArea;

        auto footer = area.removeFromBottom ((int) (pageArea.getHeight() * 0.05)).reduced (4);
        {
            juce::Font footerFont (8.0f, juce::Font::plain);
            juce::GlyphArrangement glyphs;
            glyphs.addFittedText (footerFont, printer.getFooterText (page + 1, totalPages, true), (float) footer.getX(),
                                  (float) footer.getY(), (float) footer.getWidth(), (8.0f + 2.0f) * 3.0f,
                                  juce::Justification::centredTop, 3, 1.0f);
            drawGlyphs (output, glyphs);
        }

        if (checkpoint <= kHeaderCheckpoint)
        {
            if (printer.printHeader (output, font, area, &printer))
                checkpoint = kHeaderCheckpoint + 1;
            else if (page == 0)
                continue;
            else
            {
                log ("printReport", "ERROR: document header does not fit on a page, left out");
                checkpoint = kHeaderCheckpoint + 1;
            }
        }

        if (page == 0)
        {
            juce::Font titleFont (16.0f, juce::Font::bold);
            juce::GlyphArrangement glyphs;
            glyphs.addFittedText (titleFont, title, (float) area.getX(), (float) area.getY() + 20.0f, (float) area.getWidth(),
                                  16.0f + 2.0f, juce::Justification::topLeft, 1, 1.0f);
            const int height = (int) std::ceil (16.0f + 2.0f);
            logCheckpoint (page, checkpoint, "title", kTitleCheckpoint, output);
            if (checkpoint <= kTitleCheckpoint)
            {
                if (area.getHeight() < height + 20)
                {
                    log ("printReport", String::formatted ("preveliko za stran %d", page));
                    continue;
                }
                checkpoint = kTitleCheckpoint + 1;
                drawGlyphs (output, glyphs);
                area.removeFromTop (height + 20);
            }
        }

        if (! tableDone)
        {
            juce::Font tableFont (10.0f);
            if (! tableStarted)
            {
                printTableInit (output, area, tableFont, settings);
                tableStarted = true;
            }
            int used = area.getY();
            const int next = printTableFromRow (output, area, nextRow, used, settings);
            const auto& layout = getPrintLayout();
            // 0 also answers a first row that did not fit under what the page already holds.
            const bool firstRowRefused = next == 0 && nextRow == 0 && layout.printRows > 0
                                         && used <= area.getY() + (int) layout.headerHeight && refusedOnPage < 0;
            area.setTop (juce::jmin (area.getBottom(), used));
            if (firstRowRefused)
            {
                refusedOnPage = page;
                continue;
            }
            if (next > 0)
            {
                nextRow = next;
                continue;
            }
            tableDone = true;
        }

        // Closing block: place and date on the left, who prepared it on the right.
        const float left = (float) area.getX() + 20.0f;
        const float width = (float) area.getWidth() - 40.0f;
        const float firstLine = (float) area.getY() + 20.0f;
        const float secondLine = firstLine + 12.0f;
        juce::Font small (10.0f, juce::Font::plain), large (12.0f, juce::Font::plain);
        auto town = getPodjetje().naselje;
        if (town.isEmpty())
            town = TRANS ("Print_Racun_Kraj_manjka");
        const auto user = getUserSettings() != nullptr ? getUserSettings()->getValue ("uporabnik") : String();
        juce::GlyphArrangement block;
        block.addFittedText (small, TRANS ("Print_Racun_Kraj"), left, firstLine, width, 10.0f * 2.0f + 2.0f, juce::Justification::topLeft, 2);
        block.addFittedText (large, town + ", " + juce::Time::getCurrentTime().formatted (juce::translate ("%Y-%m-%d")), left, secondLine,
                             width, 12.0f * 2.0f + 2.0f, juce::Justification::topLeft, 2);
        block.addFittedText (small, TRANS ("Porocilo pripravil"), left, firstLine, width, 10.0f * 2.0f + 2.0f, juce::Justification::topRight, 2);
        block.addFittedText (large, user, left, secondLine, width, 12.0f * 2.0f + 2.0f, juce::Justification::topRight, 2);
        const auto bounds = block.getBoundingBox (0, -1, true);
        const int blockHeight = (int) std::ceil (juce::jmax (bounds.getBottom(), secondLine + 12.0f) - firstLine);
        logCheckpoint (page, checkpoint, "closing", kClosingCheckpoint, output);
        if (checkpoint <= kClosingCheckpoint && area.getHeight() < blockHeight + 20)
        {
            log ("printReport", String::formatted ("preveliko za stran %d", page));
            if (closingDeferred)
                break; // not even a page of its own holds it
            closingDeferred = true;
            continue;
        }
        checkpoint = kClosingCheckpoint + 1;
        drawGlyphs (output, block);
        break;
    }
    return page + 1;
}
