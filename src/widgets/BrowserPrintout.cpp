#include "widgets/BrowserPrintout.h"

#include "core/Log.h"
#include "print/myPrint.h"
#include "print/VindorPrintSettings.h"
#include "widgets/PregledBaze.h"
#include "widgets/Statistika.h"

using vindoro::vlog;

namespace
{
struct Insets { float top, right, bottom, left; };

void fillFramedCell (myPrint* output, juce::Rectangle<float> cell, Insets in, const juce::FillType& inside)
{
    if (output == nullptr)
        return;
    output->setFill (juce::FillType (juce::Colours::black));
    output->fillRect (cell);
    output->setFill (inside);
    output->fillRect (juce::Rectangle<float>::leftTopRightBottom (cell.getX() + in.left, cell.getY() + in.top,
                                                                  cell.getRight() - in.right, cell.getBottom() - in.bottom));
    output->setFill (juce::FillType (juce::Colours::black));
}

void fillGlyphs (myPrint* output, const juce::GlyphArrangement& glyphs)
{
    if (output == nullptr)
        return;
    juce::Path path;
    glyphs.createPath (path);
    output->fillPath (path, juce::AffineTransform());
}

void printFitted (myPrint* output, const juce::Font& font, const juce::String& text, juce::Rectangle<float> box,
                  juce::Justification justification, int maxLines)
{
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, text, box.getX(), box.getY(), box.getWidth(), box.getHeight(), justification, juce::jmax (1, maxLines));
    fillGlyphs (output, glyphs);
}

const juce::Identifier kZbirnik ("zbirnik");
} // namespace

std::vector<juce::XmlElement*> BrowserPrintout::printableRows (bool summariesOnly)
{
    std::vector<juce::XmlElement*> rows;
    if (auto* d = browser.getData())
        for (auto* row : d->getChildIterator())
        {
            if (row->getBoolAttribute ("deleted"))
                continue;
            if (summariesOnly && ! (browser.summaryRows && row->getBoolAttribute ("ign_stats")))
                continue;
            rows.push_back (row);
        }
    return rows;
}

std::vector<BrowserPrintout::PrintColumn> BrowserPrintout::visibleResultColumns()
{
    std::vector<PrintColumn> out;
    if (browser.columns == nullptr)
        return out;
    auto& header = browser.tableList.getHeader();
    int position = 0;
    for (auto* column : browser.columns->getChildWithTagNameIterator ("COLUMN"))
    {
        ++position;
        const int id = column->getIntAttribute ("columnId", 0);
        if (header.getIndexOfColumnId (id, false) >= 0 && header.isColumnVisible (id))
            out.push_back ({ column->getStringAttribute ("name"), position });
    }
    return out;
}

bool BrowserPrintout::printsStatsRow() const
{
    return browser.columnSpec.valid && ! browser.columnSpec.statColumns.isEmpty() && browser.statistika != nullptr;
}

int BrowserPrintout::tableHeight (const juce::Font& font)
{
    return (int) (((int) font.getHeight() + 4) * (browser.tableList.getModel() != nullptr ? browser.getNumRows() + 1 : 1));
}

int BrowserPrintout::tableInit (myPrint*, juce::Rectangle<int> area, const juce::Font& font, VindorPrintSettings& settings)
{
    auto& l = browser.printLayout;
    l.cellBorder = settings.getFloat ("tablecellborder") * font.getHeight();
    const bool summariesOnly = settings.getValue (kZbirnik).getValue();
    l.printRows = (int) printableRows (summariesOnly).size();
    if (printsStatsRow())
    {
        vlog ("PregledBaze::printTableInit", "Stejem tudi zadnjo summary vrstico");
        ++l.printRows;
    }

    const auto shown = visibleResultColumns();
    l.printWidths.clearQuick();
    float sum = 0.0f;
    for (const auto& c : shown)
    {
        float w = 0.0f;
        if (browser.columnSpec.valid)
        {
            const int i = browser.columnSpec.indexOfColumn (c.name);
            w = (i >= 0 && browser.columnSpec.widthAt (i) >= 1)
                    ? browser.tableFont.getStringWidthFloat (juce::String::repeatedString ("X", browser.columnSpec.widthAt (i)))
                    : 10.0f;
        }
        else
        {
            for (auto* row : printableRows (summariesOnly))
                w = juce::jmax (w, (float) row->getStringAttribute (c.name).length());
        }
        l.printWidths.add (w);
        sum += w;
    }
    // Widths that add up to nothing (no spec, no values) share the area equally.
    for (auto& w : l.printWidths)
        w = sum > 0.0f ? w * (float) area.getWidth() / sum : (float) area.getWidth() / (float) l.printWidths.size();

    l.largestArea = juce::jmax (l.largestArea, (float) area.getHeight());
    l.printFont = font;
    l.rowHeight = 2.0f * l.cellBorder + font.getHeight();
    l.headerHeight = font.getHeight() * (float) (int) settings.getValue ("headerlines").getValue() + 2.0f * l.cellBorder;
    // At least one row per page, however large the font: the page count never divides by zero.
    l.rowsPerPage = juce::jmax (1, (int) (((float) area.getHeight() - l.headerHeight) / juce::jmax (0.01f, l.rowHeight)));
    l.pageCount = l.printRows / l.rowsPerPage + (l.printRows % l.rowsPerPage != 0 ? 1 : 0);
    l.rowOffset = 0;
    vlog ("PregledBaze::printTableInit", juce::String::formatted ("Printing setup total %d rows - %d rows per page x %d pages available %d",
                                                                  l.printRows, l.rowsPerPage, l.pageCount, area.getHeight()));
    return l.pageCount;
}

int BrowserPrintout::tableResize (myPrint* output, juce::Rectangle<int> area, const juce::Font& font, int page,
                                  VindorPrintSettings& settings)
{
    auto& l = browser.printLayout;
    const int first = page * l.rowsPerPage + l.rowOffset;
    vlog ("PregledBaze::printTableResize", juce::String::formatted ("page:%d prej je %d strani, offset je %d", page, l.pageCount, l.rowOffset));
    browser.printTableInit (output, area, font, settings);
    l.rowOffset = first - page * l.rowsPerPage;
    if (first < l.printRows)
    {
        const int left = l.printRows - l.rowOffset;
        l.pageCount = left / l.rowsPerPage + (left % l.rowsPerPage != 0 ? 1 : 0);
        vlog ("PregledBaze::printTableResize", juce::String::formatted ("page:%d sedaj je %d strani, offset %d", page, l.pageCount, l.rowOffset));
        return l.pageCount;
    }
    return 0;
}

int BrowserPrintout::tablePage (myPrint* output, juce::Rectangle<int> area, int page, int& usedBottom, VindorPrintSettings& settings)
{
    return printRows (output, area, 0, true, page, usedBottom, settings);
}

int BrowserPrintout::tableFromRow (myPrint* output, juce::Rectangle<int> area, int firstRow, int& usedBottom,
                                   VindorPrintSettings& settings)
{
    return printRows (output, area, firstRow, false, 0, usedBottom, settings);
}

float BrowserPrintout::printStatsRow (myPrint* output, juce::Rectangle<int> area, float y)
{
    auto& l = browser.printLayout;
    const auto shown = visibleResultColumns();
    const auto title = browser.statistika->getTitle();
    float labelEnd = (float) area.getX();
    juce::GlyphArrangement label;
    if (title.isNotEmpty())
    {
        auto bold = l.printFont.boldened();
        const auto text = juce::translate (title);
        const float w = bold.getStringWidthFloat (text);
        label.addFittedText (bold, text, (float) area.getX() + l.cellBorder, y + l.cellBorder, w, l.rowHeight - 2.0f * l.cellBorder,
                             juce::Justification::centred, 1);
        labelEnd = (float) area.getX() + (float) (int) (w + 2.0f * l.cellBorder);
    }

    // The first visible column at or after the label's end that has a statistic.
    int firstStats = (int) shown.size();
    float x = (float) area.getX();
    std::vector<float> starts;
    for (size_t i = 0; i < shown.size(); ++i)
    {
        starts.push_back (x);
        if (firstStats == (int) shown.size() && x >= labelEnd && browser.statistika->hasStats (shown[i].name))
            firstStats = (int) i;
        x += (float) (int) l.printWidths[(int) i];
    }
    if (title.isNotEmpty())
    {
        const float labelRight = firstStats < (int) shown.size() ? starts[(size_t) firstStats] : x;
        fillFramedCell (output, { (float) area.getX(), y, labelRight - (float) area.getX(), l.rowHeight }, { 0.3f, 0.2f, 0.5f, 0.5f },
                        juce::FillType (juce::Colours::white));
        fillGlyphs (output, label);
    }
    for (int i = firstStats; i < (int) shown.size(); ++i)
    {
        const bool last = i == (int) shown.size() - 1;
        const juce::Rectangle<float> cell (starts[(size_t) i], y, l.printWidths[i], l.rowHeight);
        fillFramedCell (output, cell, { 0.3f, last ? 0.5f : 0.2f, 0.5f, 0.2f }, juce::FillType (juce::Colours::white));
        const auto& name = shown[(size_t) i].name;
        if (! browser.statistika->hasStats (name))
            continue;
        auto inner = cell.reduced (l.cellBorder);
        if (browser.statistika->getStats (name).kind == StatKind::label)
        {
            printFitted (output, l.printFont, browser.columnSpec.statsLabelFor (name), inner, juce::Justification::centred, 2);
        }
        else
        {
            auto justification = juce::Justification (juce::Justification::centred);
            const auto text = browser.getTextForCell (browser.statistika->getStatsRow(), name, justification);
            printFitted (output, l.printFont, text, inner, justification, 2);
        }
    }
    return y + (float) (int) l.rowHeight;
}

int BrowserPrintout::printRows (myPrint* output, juce::Rectangle<int> area, int first, bool pageMode, int page,
                                int& usedBottom, VindorPrintSettings& settings)
{
    auto& l = browser.printLayout;
    const bool summariesOnly = settings.getValue (kZbirnik).getValue();
    const int headerStyle = (int) settings.getValue ("headerstyle").getValue();
    const auto shown = visibleResultColumns();
    const auto rows = printableRows (summariesOnly);
    const bool withStatsRow = printsStatsRow();
    if (output != nullptr)
        output->setFill (juce::FillType (juce::Colours::black));

    std::vector<float> starts;
    float x = (float) area.getX();
    for (int i = 0; i < (int) shown.size(); ++i)
    {
        starts.push_back (x);
        x += (float) (int) l.printWidths[i];
    }
    const float tableRight = x;
    const auto rule = [&] (float y)
    {
        if (output != nullptr)
        {
            output->setFill (juce::FillType (juce::Colours::black));
            output->fillRect ({ (float) area.getX(), y, tableRight - (float) area.getX(), 0.4f });
        }
    };

    // Column-header row.
    auto headerFont = l.printFont;
    if (headerStyle == 0 || headerStyle == 1)
        headerFont = headerFont.boldened();
    const int headerLines = (int) ((l.headerHeight - 2.0f * l.cellBorder) / juce::jmax (0.01f, l.rowHeight - 2.0f * l.cellBorder));
    for (int i = 0; i < (int) shown.size(); ++i)
    {
        const auto& name = shown[(size_t) i].name;
        const auto text = browser.columnSpec.titleFor (name);
        const juce::Rectangle<float> cell (starts[(size_t) i], (float) area.getY(), l.printWidths[i], l.headerHeight);
        if (headerStyle == 0)
        {
            if (output != nullptr)
            {
                output->setFill (juce::FillType (juce::Colour (0xFFAAAAAA)));
                output->fillRect (cell);
                output->setFill (juce::FillType (juce::Colours::white));
            }
        }
        else
        {
            fillFramedCell (output, cell, { 0.2f, i == (int) shown.size() - 1 ? 0.4f : 0.2f, 0.2f, i == 0 ? 0.4f : 0.2f },
                            juce::FillType (juce::Colours::white));
        }
        if (headerLines < 2)
        {
            printFitted (output, headerFont, text, cell.reduced (l.cellBorder), juce::Justification::centred, juce::jmax (1, headerLines));
        }
        else
        {
            juce::GlyphArrangement glyphs;
            glyphs.addJustifiedText (headerFont, text, cell.getX() + l.cellBorder, cell.getY() + headerFont.getHeight(),
                                     cell.getWidth() - 2.0f * l.cellBorder, juce::Justification::centred);
            fillGlyphs (output, glyphs);
        }
    }

    float y = (float) area.getY() + (float) (int) l.headerHeight;
    if (output != nullptr)
        output->setFill (juce::FillType (juce::Colours::black));

    const int firstRow = pageMode ? page * l.rowsPerPage + l.rowOffset : first;
    const int pageEnd = pageMode ? firstRow + l.rowsPerPage : std::numeric_limits<int>::max();
    const int total = (int) rows.size();
    int index = juce::jmax (0, firstRow);

    for (; index < total && index < pageEnd; ++index)
    {
        auto* row = rows[(size_t) index];
        const int summaryColumn = summariesOnly ? browser.getDelnaStatistikaColumn (row) : 0;
        std::vector<juce::GlyphArrangement> texts (shown.size());
        float rowHeight = l.rowHeight;
        juce::Rectangle<float> bounds;
        if (! pageMode)
            browser.tableFont.setHeight (10.0f);
        for (int i = 0; i < (int) shown.size(); ++i)
        {
            auto justification = juce::Justification (juce::Justification::centred);
            const auto text = shown[(size_t) i].position == summaryColumn && summaryColumn > 0
                                  ? browser.getTextForCellZbirnik (row, shown[(size_t) i].name, justification)
                                  : browser.getTextForCell (row, shown[(size_t) i].name, justification);
            if (pageMode)
                texts[(size_t) i].addFittedText (l.printFont, text, starts[(size_t) i] + l.cellBorder, y + l.cellBorder,
                                                 l.printWidths[i] - 2.0f * l.cellBorder, l.rowHeight - 2.0f * l.cellBorder,
                                                 justification, 2);
            else
            {
                texts[(size_t) i].addJustifiedText (l.printFont, text, starts[(size_t) i] + l.cellBorder, y + l.printFont.getHeight(),
                                                    l.printWidths[i] - 2.0f * l.cellBorder, justification);
                bounds = bounds.isEmpty() ? texts[(size_t) i].getBoundingBox (0, -1, true)
                                          : bounds.getUnion (texts[(size_t) i].getBoundingBox (0, -1, true));
            }
        }
        if (! pageMode)
            rowHeight = bounds.getHeight() + l.cellBorder;

        if (y + (float) (int) rowHeight > (float) area.getBottom())
        {
            if ((float) (int) rowHeight + l.headerHeight > l.largestArea)
            {
                // Not even an empty page holds this row: retrying it on every page would never end.
                vlog ("PregledBaze::printTableFromRowOrPage", "ERROR: vrstica " + juce::String (index)
                                                                 + " ne gre na prazno stran, izpuscena");
                continue;
            }
            rule (y);
            vlog ("PregledBaze::printTableFromRowOrPage", "prevelika vrstica " + juce::String (index) + ", damo na drugo stran");
            usedBottom = (int) y;
            return index;
        }

        for (int i = 0; i < (int) shown.size(); ++i)
        {
            const juce::Rectangle<float> cell (starts[(size_t) i], y, l.printWidths[i], rowHeight);
            const auto fill = row->hasAttribute ("bkg_colour") && ! summariesOnly ? juce::FillType (SQLtoXml::getBkgColour (row))
                                                                                   : juce::FillType (juce::Colours::white);
            fillFramedCell (output, cell, { 0.2f, i == (int) shown.size() - 1 ? 0.4f : 0.2f, 0.2f, i == 0 ? 0.4f : 0.2f }, fill);
            fillGlyphs (output, texts[(size_t) i]);
        }
        y += (float) (int) rowHeight;
    }

    // The statistics row counts as the last printable row.
    if (withStatsRow && index == total && total < pageEnd)
    {
        if (y + (float) (int) l.rowHeight <= (float) area.getBottom())
            y = printStatsRow (output, area, y);
        else if (! pageMode)
        {
            rule (y);
            usedBottom = (int) y;
            return total;
        }
        else
            // Page mode never comes back for it: say so, as for every other block left out.
            vlog ("PregledBaze::printTableFromRowOrPage", "ERROR: vrstica statistike ne gre na stran " + juce::String (page)
                                                             + ", izpuscena");
    }

    rule (y);
    usedBottom = (int) y;
    if (pageMode && index < total)
        return index;
    return 0;
}

int BrowserPrintout::statsBlock (myPrint* output, juce::Rectangle<int> area, int startIndex, int& usedBottom)
{
    usedBottom = area.getY();
    if (! printsStatsRow())
        return 0;
    auto& l = browser.printLayout;
    auto font = l.printFont;
    font.setBold (false);
    if (output != nullptr)
        output->setFill (juce::FillType (juce::Colours::black));

    const auto shown = visibleResultColumns();
    std::vector<juce::String> names;
    for (const auto& c : shown)
        if (browser.statistika->hasStats (c.name))
            names.push_back (c.name);

    float valueWidth = 0.0f;
    bool anyValue = false;
    const auto valueText = [&] (const juce::String& name, juce::Justification& j)
    { return browser.getTextForCell (browser.statistika->getStatsRow(), name, j); };
    for (const auto& name : names)
    {
        if (browser.statistika->getStats (name).kind == StatKind::label)
            continue;
        anyValue = true;
        auto j = juce::Justification (juce::Justification::centred);
        juce::GlyphArrangement glyphs;
        glyphs.addJustifiedText (font, valueText (name, j), 0.0f, 0.0f, (float) area.getWidth() - 2.0f * l.cellBorder,
                                 juce::Justification::centredRight);
        valueWidth = juce::jmax (valueWidth, 2.5f * l.cellBorder + glyphs.getBoundingBox (0, -1, true).getWidth());
    }
    if (! anyValue)
        return 0;

    auto labels = area;
    const auto values = labels.removeFromRight ((int) (valueWidth + l.cellBorder));
    float y = (float) area.getY();
    const int start = juce::jmax (0, startIndex);
    for (int i = start; i < (int) names.size(); ++i)
    {
        const auto& name = names[(size_t) i];
        juce::GlyphArrangement labelGlyphs, valueGlyphs;
        float height = 2.0f * l.cellBorder;
        if (browser.statistika->getStats (name).kind != StatKind::label)
        {
            labelGlyphs.addJustifiedText (font, browser.columnSpec.statsLabelFor (name), (float) labels.getX() + l.cellBorder,
                                          y + font.getHeight(), (float) labels.getWidth() - 2.0f * l.cellBorder, juce::Justification::centredLeft);
            auto j = juce::Justification (juce::Justification::centred);
            valueGlyphs.addJustifiedText (font, valueText (name, j), (float) values.getX() + l.cellBorder, y + font.getHeight(),
                                          (float) values.getWidth() - 2.0f * l.cellBorder, juce::Justification::centredRight);
            height += labelGlyphs.getBoundingBox (0, -1, true).getUnion (valueGlyphs.getBoundingBox (0, -1, true)).getHeight();
        }
        if (y + height > (float) area.getBottom())
        {
            if (height > l.largestArea)
            {
                // Not even an empty area holds this row: leave it out rather than retry it forever.
                vlog ("PregledBaze::printTableStats", "ERROR: statistika " + name + " ne gre na prazno stran, izpuscena");
                continue;
            }
            usedBottom = (int) y;
            // Nothing of the block fitted yet: -1 (start again from the first), never 0 (complete).
            return i == 0 ? -1 : i;
        }
        const bool lastRow = i == (int) names.size() - 1;
        const Insets in { i == 0 ? 0.5f : 0.3f, 0.2f, lastRow ? 0.5f : 0.2f, 0.2f };
        fillFramedCell (output, { (float) labels.getX(), y, (float) labels.getWidth(), height }, in, juce::FillType (juce::Colours::white));
        fillFramedCell (output, { (float) values.getX(), y, (float) values.getWidth(), height }, in, juce::FillType (juce::Colours::white));
        fillGlyphs (output, labelGlyphs);
        fillGlyphs (output, valueGlyphs);
        y = (float) (int) (y + height);
    }
    usedBottom = (int) y;
    return 0;
}

int BrowserPrintout::report (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& originalSettings, myPrint* output,
                             int totalPages)
{
    VindorPrintSettings settings (originalSettings);
    juce::Font font (12.0f);
    bool headerPlaced = false;
    bool tableDone = ! browser.printsTable();
    bool statsDone = ! browser.printsStats();
    int statsIndex = -1;
    int page = 0;

    for (;; ++page)
    {
        if (page > 0 && output != nullptr)
        {
            vlog ("PregledBaze::printReport", juce::String::formatted ("starting a new page %d", page));
            output->newPage (page);
        }
        auto body = area;
        const auto footer = body.removeFromBottom ((int) (area.getHeight() * 0.05));
        printer.printFooter (output, font, const_cast<juce::Rectangle<int>&> (footer), &printer, page + 1, totalPages);

        if (! headerPlaced)
        {
            if (printer.printHeader (output, font, body, &printer))
                headerPlaced = true;
            else if (page == 0)
                continue;
            else
            {
                // It did not fit on an empty page either: it never will.
                vlog ("PregledBaze::printReport", "ERROR: document header does not fit on a page, left out");
                headerPlaced = true;
            }
        }

        if (! tableDone)
        {
            font.setHeight (settings.getFloat ("fontsizetable"));
            const int m = page == 0 ? browser.printTableInit (output, body, font, settings)
                                    : browser.printTableResize (output, body, font, page, settings);
            if (page < m || m == 0)
            {
                int used = body.getY();
                browser.printTablePage (output, body, page, used, settings);
                body.setTop (juce::jmin (body.getBottom(), used));
            }
            if (page + 1 >= m || browser.printLayout.printRows == 0)
                tableDone = true;
            else
                continue;
        }

        if (! statsDone)
        {
            font.setHeight (11.0f);
            if (statsIndex < 0)
                browser.printTableInit (output, body, font, settings);
            int used = body.getY();
            const int r = browser.printTableStats (output, body, statsIndex, used);
            body.setTop (juce::jmin (body.getBottom(), used));
            if (r != 0 && page < myPrint::kMaxPagesPerJob)
            {
                statsIndex = r;
                continue;
            }
            statsDone = true;
        }
        break;
    }
    return page + 1;
}

//==============================================================================
namespace
{
struct PosColumn { juce::String name; int width; char align; };

PosColumn splitPosColumn (const juce::String& text)
{
    PosColumn c;
    c.name = text.upToFirstOccurrenceOf (":", false, false);
    const int first = text.indexOfChar (':'), last = text.lastIndexOfChar (':');
    const auto widthText = first < 0 ? juce::String() : first == last ? text.substring (first + 1) : text.substring (first + 1, last);
    c.width = juce::jmax (0, widthText.getIntValue());
    const auto alignment = last < 0 ? text : text.substring (last + 1);
    c.align = alignment.containsIgnoreCase ("L") ? 'L' : alignment.containsIgnoreCase ("R") ? 'R' : 'C';
    return c;
}

juce::String alignToWidth (const juce::String& text, const PosColumn& c)
{
    switch (c.align)
    {
        case 'L': return text.paddedRight (' ', c.width);
        case 'R': return text.paddedLeft (' ', c.width);
        default: return text.paddedLeft (' ', c.width / 2).paddedRight (' ', c.width);
    }
}

// One blank between cells while the receipt line has room, else the line ends.
void appendCellSeparator (juce::String& text, int lineWidth)
{
    const auto currentLine = text.fromLastOccurrenceOf ("\n", false, false);
    text << (currentLine.length() < lineWidth ? " " : "\n");
}
} // namespace

juce::String BrowserPrintout::receipt (int lineWidth, const juce::StringArray& columnList)
{
    const auto separator = juce::String ("-").paddedLeft ('-', lineWidth) + "\n";
    auto& l = browser.printLayout;
    l.printRows = 0;
    if (auto* d = browser.getData())
        for (auto* row : d->getChildIterator())
            if (! row->getBoolAttribute ("deleted"))
                ++l.printRows;
    vlog ("PregledBaze::printTablePOS", "prestel vrstice:" + juce::String (l.printRows));
    if (printsStatsRow())
    {
        vlog ("PregledBaze::printTablePOS", "Stejem tudi zadnjo summary vrstico");
        ++l.printRows;
    }
    vlog ("PregledBaze::printTablePOS", "prestel vrstice skupaj z summary:" + juce::String (l.printRows));
    l.printWidths.clearQuick();

    std::vector<PosColumn> cols;
    juce::String line;
    vlog ("PregledBaze::printTablePOS", "printam header");
    for (const auto& text : columnList)
    {
        const auto c = splitPosColumn (text);
        cols.push_back (c);
        l.printWidths.add ((float) c.width);
        auto title = browser.columnSpec.titleFor (c.name);
        if (title.length() > c.width)
            title = title.substring (0, c.width - 1) + ".";
        line << alignToWidth (title, c);
        appendCellSeparator (line, lineWidth);
    }
    auto result = line + separator;
    line.clear();

    if (auto* d = browser.getData())
        for (auto* row : d->getChildIterator())
        {
            if (row->getBoolAttribute ("deleted"))
                continue;
            for (const auto& c : cols)
            {
                auto justification = juce::Justification (juce::Justification::centred);
                line << alignToWidth (browser.getTextForCell (row, c.name, justification).substring (0, c.width), c);
                appendCellSeparator (line, lineWidth);
            }
        }
    result << line;
    vlog ("PregledBaze::printTablePOS", "koncal printanje tabele:" + result);
    return result;
}
