// Printing a browser's table over pages: page breaks on a recording print target, the layout's
// guards against impossible areas, and one real job rendered through Ghostscript to look at.
#include "print/gui/myPS.h"
#include "support/BrowserTestParts.h"
#include "support/GhostscriptRender.h"
#include "support/RecordingPrintTarget.h"

using namespace btest;

namespace
{
using RecordingTarget = vtest::RecordingPrintTarget;

const TableColumnSpec& statsSpec()
{
    static const TableColumnSpec spec ("pbtest_",
                                       { { "ime", CellType::text, 12 }, { "znesek", CellType::amount, 10 },
                                         { "kolicina", CellType::wholeRight, 8 }, { "datum", CellType::date, 10 } },
                                       { "id" },
                                       { { "ime", StatKind::title }, { "znesek", StatKind::sum }, { "kolicina", StatKind::sum } });
    return spec;
}

VindorPrintSettings printSettings()
{
    VindorPrintSettings s;
    s.setDefaults ("printdialog");
    return s;
}

class StatsBlockBrowser : public TestBrowser
{
public:
    using TestBrowser::TestBrowser;
    bool printsStats() override { return true; }
};
} // namespace

TEST_F (BrowserDatabase, PageBreaksCoverEveryRowOnce)
{
    addRows (157);
    StatsBlockBrowser b (kQuery, false, statsSpec());
    b.sortOrderChanged (1, true);
    auto settings = printSettings();
    RecordingTarget target;
    const auto area = target.getPageArea (true);

    const int counted = b.printReport (area, target, settings, nullptr, -1);
    EXPECT_GT (counted, 2);
    EXPECT_EQ (target.rects + target.paths, 0); // the counting pass draws nothing
    const int printed = b.printReport (area, target, settings, &target, counted);
    EXPECT_EQ (printed, counted);
    EXPECT_EQ (target.newPages, counted - 1);

    // Walk the table pages as the page loop does: each starts where the previous one stopped.
    juce::Font font (settings.getFloat ("fontsizetable"));
    auto body = area.withTrimmedBottom ((int) (area.getHeight() * 0.05)).withTrimmedTop (100);
    int pages = b.printTableInit (nullptr, body, font, settings);
    int expectedFirst = 0;
    for (int page = 0; page < pages; ++page)
    {
        if (page > 0)
            pages = b.printTableResize (nullptr, area.withTrimmedBottom ((int) (area.getHeight() * 0.05)), font, page, settings);
        int used = 0;
        const int next = b.printTablePage (nullptr, page == 0 ? body : area.withTrimmedBottom ((int) (area.getHeight() * 0.05)),
                                           page, used, settings);
        const int first = page * b.getPrintLayout().rowsPerPage + b.getPrintLayout().rowOffset;
        EXPECT_EQ (first, expectedFirst) << "page " << page;
        expectedFirst = next == 0 ? b.getPrintLayout().printRows : next;
    }
    EXPECT_EQ (expectedFirst, 158); // 157 rows and the statistics row, none twice, none left out
}

TEST_F (BrowserDatabase, ImpossibleAreasNeitherDivideByZeroNorLoop)
{
    addRows (3);
    vtest::LogCapture log;
    StatsBlockBrowser b (kQuery, false, statsSpec());
    auto settings = printSettings();
    settings.setValue ("fontsizetable", 400);
    RecordingTarget target;
    juce::Font huge (400.0f);
    EXPECT_GE (b.printTableInit (nullptr, { 0, 0, 500, 100 }, huge, settings), 1);
    EXPECT_EQ (b.getPrintLayout().rowsPerPage, 1);
    const int pages = b.printReport (target.getPageArea (true), target, settings, &target, -1);
    EXPECT_LT (pages, 20);
    EXPECT_TRUE (log.contains ("ne gre na prazno stran, izpuscena"));

    // No spec and no values: the columns share the width.
    TestBrowser plain ("SELECT ime FROM pbtest WHERE 0", false, TableColumnSpec());
    juce::Font font (10.0f);
    plain.printTableInit (nullptr, { 0, 0, 300, 500 }, font, settings);
    ASSERT_EQ (plain.getPrintLayout().printWidths.size(), 1);
    EXPECT_FLOAT_EQ (plain.getPrintLayout().printWidths[0], 300.0f);
}

TEST_F (BrowserDatabase, StatisticsBlockTellsNothingFittedFromComplete)
{
    addRows (4);
    StatsBlockBrowser b (kQuery, false, statsSpec());
    b.updateTableContent();
    auto settings = printSettings();
    juce::Font font (11.0f);
    b.printTableInit (nullptr, { 0, 0, 400, 600 }, font, settings);
    int used = 0;
    EXPECT_EQ (b.printTableStats (nullptr, { 0, 0, 400, 600 }, -1, used), 0);
    EXPECT_GT (used, 0);
    // Below a table that filled the page: nothing fits, and that is not "complete".
    const int r = b.printTableStats (nullptr, juce::Rectangle<int> (0, 0, 400, 600).withTop (598), -1, used);
    EXPECT_NE (r, 0);
    // Started at the second measure, the block leaves the first out.
    EXPECT_EQ (b.printTableStats (nullptr, { 0, 0, 400, 600 }, 1, used), 0);
}

TEST_F (BrowserDatabase, StatisticsRowThatMissesItsPageIsLogged)
{
    addRows (2);
    StatsBlockBrowser b (kQuery, false, statsSpec());
    b.updateTableContent();
    auto settings = printSettings();
    juce::Font font (11.0f);
    b.printTableInit (nullptr, { 0, 0, 400, 600 }, font, settings);
    const auto& l = b.getPrintLayout();
    // Room for the column titles and both rows, not for the statistics row after them.
    const int height = (int) l.headerHeight + 2 * (int) l.rowHeight + (int) l.rowHeight / 2;
    vtest::LogCapture log;
    int used = 0;
    EXPECT_EQ (b.printTablePage (nullptr, { 0, 0, 400, height }, 0, used, settings), 0);
    EXPECT_TRUE (log.contains ("ERROR: vrstica statistike ne gre na stran 0, izpuscena"));
}

TEST_F (BrowserDatabase, RealPagesRenderedToPng)
{
    addRows (90);
    StatsBlockBrowser b (kQuery, false, statsSpec());
    b.sortOrderChanged (1, true);
    b.rowAt (3)->setAttribute ("bkg_colour", juce::Colour (0xFF008000).withAlpha (0.2f).toString());
    auto settings = printSettings();
    settings.setValue ("preview", false); // written to the file only, no viewer
    vtest::TempFolder folder;
    const auto file = folder.file ("tabela.ps");
    std::unique_ptr<myPS> job (myPS::initFile (file, 0, "tabela", false));
    ASSERT_NE (job, nullptr);
    job->setPrintSettings (settings);
    const auto area = job->getPageArea (true);
    const int pages = b.printReport (area, *job, settings, nullptr, -1);
    job->setNumberOfPages (pages);
    EXPECT_EQ (b.printReport (area, *job, settings, job.get(), pages), pages);
    EXPECT_TRUE (job->save ({}));
    const auto rendered = vtest::renderPages (file, juce::File ("/tmp"), "browser-print", 50);
    EXPECT_EQ (rendered.size(), pages);
}

TEST_F (BrowserDatabase, ReceiptTableInFixedColumns)
{
    add ("xy", 12, 12);
    add ("gone", 1, 1);
    const TableColumnSpec spec ("p_", { { "kolicina", CellType::textRight, 4 }, { "ime", CellType::text, 5 } });
    TestBrowser b ("SELECT id, ime, kolicina FROM pbtest", false, spec);
    b.sortOrderChanged (1, true);
    SQLtoXml::setDeleted (b.rowAt (1), true);

    // The title "p_kolicina" is longer than its column: cut with a "."; the deleted row is left out.
    EXPECT_EQ (b.printTablePOS (10, { "kolicina:4:r", "ime:5:L" }), "p_k. p_ime\n----------\n  12 xy   \n");
    EXPECT_EQ (b.printTablePOS (10, {}), "----------\n");
    // Centred: padded on the left to half the width, then on the right; "id" is no shown column: empty cells.
    EXPECT_EQ (b.printTablePOS (8, { "id:8:C" }), "  id    \n--------\n        \n");
    // A width that is no number: empty cells, the title ".".
    EXPECT_EQ (b.printTablePOS (10, { "ime:x:L" }), ". ----------\n ");
}
