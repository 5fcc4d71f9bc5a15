#include "print/gui/JournalPrintout.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "partners/OwnCompany.h"
#include "print/myPrint.h"
#include "widgets/PregledBaze.h"

#include <cmath>

using juce::String;

namespace
{
constexpr const char* kTooBig = "preveliko za stran %d";

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

int JournalPrintout::print (PregledBaze& journal, juce::Rectangle<int> pageArea, myPrint& printer, VindorPrintSettings& settings,
                            myPrint* output, int totalPages) const
{
    const String source = String (logSource) + "::printReport";
    auto log = [&source] (const String& message) { vindoro::vlog (source, message); };
    auto logCheckpoint = [&log, output] (int page, int checkpoint, const char* block, int thisCheckpoint)
    {
        log (String::formatted ("page:%d checkpoint:%d - %s this_checkpoint:%d %s", page, checkpoint, block, thisCheckpoint,
                                output != nullptr ? "PRINTING" : "SKIPPING"));
    };

    int checkpoint = checkpoints.start;
    int nextRow = 0;
    bool tableStarted = false;
    bool tableDone = false;
    int refusedOnPage = -1;
    bool closingDeferred = false;
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
            log (String::formatted ("starting a new page %d", page));
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

        if (checkpoint <= checkpoints.header)
        {
            if (printer.printHeader (output, font, area, &printer))
                checkpoint = checkpoints.header + 1;
            else if (page == 0)
                continue;
            else
            {
                // It did not fit on an empty page either: it never will.
                log ("ERROR: document header does not fit on a page, left out");
                checkpoint = checkpoints.header + 1;
            }
        }

        if (page == 0)
        {
            juce::Font titleFont (16.0f, juce::Font::bold);
            juce::GlyphArrangement glyphs;
            glyphs.addFittedText (titleFont, title, (float) area.getX(), (float) area.getY() + 20.0f, (float) area.getWidth(),
                                  16.0f + 2.0f, juce::Justification::topLeft, 1, 1.0f);
            const int height = (int) std::ceil (16.0f + 2.0f);
            logCheckpoint (page, checkpoint, "title", checkpoints.title);
            if (checkpoint <= checkpoints.title)
            {
                if (area.getHeight() < height + 20)
                {
                    log (String::formatted (kTooBig, page));
                    continue;
                }
                checkpoint = checkpoints.title + 1;
                drawGlyphs (output, glyphs);
                area.removeFromTop (height + 20);
            }
        }

        if (! tableDone)
        {
            juce::Font tableFont (10.0f);
            if (! tableStarted)
            {
                journal.printTableInit (output, area, tableFont, settings);
                tableStarted = true;
            }
            int used = area.getY();
            const int next = journal.printTableFromRow (output, area, nextRow, used, settings);
            const auto& layout = journal.getPrintLayout();
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
        logCheckpoint (page, checkpoint, "closing", checkpoints.closing);
        if (checkpoint <= checkpoints.closing && area.getHeight() < blockHeight + 20)
        {
            log (String::formatted (kTooBig, page));
            if (closingDeferred)
                break; // not even a page of its own holds it
            closingDeferred = true;
            continue;
        }
        checkpoint = checkpoints.closing + 1;
        drawGlyphs (output, block);
        break;
    }
    return page + 1;
}
