#include "operations/gui/DnevnikVino.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "operations/OpraviloLogDetails.h"
#include "partners/OwnCompany.h"
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

// Where the page loop stands, so that a block placed once is not placed again on a later page.
constexpr int kStartCheckpoint = 139;
constexpr int kHeaderCheckpoint = 178;
constexpr int kTitleCheckpoint = 213;
constexpr int kClosingCheckpoint = 260;

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

DnevnikVino::DnevnikVino (const String& q) : PregledBaze (q, false, columnSpec())
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
    if (vessel.id >= 1)
    {
        title << " vina v posodi " << vessel.oznaka << " v kleti "
              << sqlQueryString ("SELECT ime FROM klet WHERE id=" + String (vessel.klet));
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
    int checkpoint = kStartCheckpoint;
    int nextRow = 0;
    bool tableStarted = false;
    bool tableDone = false;
    int refusedOnPage = -1;
    bool closingDeferred = false;
    const auto title = printTitle();
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

        // Footer: the bottom twentieth of the page.
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
                // It did not fit on an empty page either: it never will.
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
                    log ("printReport", String::formatted (kTooBig, page));
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
            // 0 also answers a first row that did not fit under what the page already holds:
            // nothing below the column titles was printed then, and the row goes to the next page.
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
            log ("printReport", String::formatted (kTooBig, page));
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
