// The article stock report as the reports window drives it: the day's end whatever time is
// handed in, totals per warehouse, a failed computation showing no rows; then the table looked at
// on screen, laid out on pages through Ghostscript, and printed on the test's PDF queue.
#include "print/gui/myPS.h"
#include "support/CupsTestQueue.h"
#include "support/GhostscriptRender.h"
#include "support/WidgetTestSupport.h"
#include "warehouse/StockFixture.h"
#include "warehouse/gui/PorociloZalogArtiklov.h"

namespace
{
/** What the reports window does before it reloads a report that uses a start date and a warehouse. */
void prepare (PorociloZalogArtiklov& report, const juce::String& day, int warehouse)
{
    report.clearConditions();
    report.setLimit (-1);
    report.setStartDate (day + " 00:00:00");
    SkladisceRecord w = SkladisceListener::emptySkladisce();
    w.id = warehouse;
    report.setSkladisceIDN (w, 1);
    report.reloadData();
}

juce::StringArray shownRows (PorociloZalogArtiklov& report)
{
    juce::StringArray out;
    for (int i = 0; auto* row = report.rowAt (i); ++i)
        out.add ((row->getBoolAttribute ("ign_stats") ? "= " : "") + row->getStringAttribute ("skladisceime") + "|"
                 + row->getStringAttribute ("artikelime") + "|" + juce::String (row->getDoubleAttribute ("volumen"), 2) + "|"
                 + juce::String (row->getDoubleAttribute ("stevilo"), 0));
    return out;
}
} // namespace

class StockReport : public stocktest::StockFixture
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        stocktest::StockFixture::SetUp();
        ASSERT_TRUE (book ("2024-03-01 10:00:00", 1, 1, 24, stocktest::kWine));
        ASSERT_TRUE (book ("2024-03-01 10:00:00", 1, 1, 10, stocktest::kBox));
        ASSERT_TRUE (book ("2024-03-02 10:00:00", 1, 2, 12, stocktest::kOtherWine));
        ASSERT_TRUE (book ("2024-03-02 10:00:00", 1, 3, 3, stocktest::kBox));
        ASSERT_TRUE (book ("2024-03-10 18:00:00", 2, 1, 4, stocktest::kWine));    // on the day: counted
        ASSERT_TRUE (book ("2024-03-11 08:00:00", 2, 1, 20, stocktest::kWine));   // after: undone
        ASSERT_TRUE (book ("2024-03-11 09:00:00", 1, 2, 6, stocktest::kOtherWine));
    }

    void TearDown() override
    {
        stocktest::StockFixture::TearDown();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
    }
};

TEST_F (StockReport, StandsAtTheEndOfTheChosenDayWithTotalsPerWarehouse)
{
    PorociloZalogArtiklov report;
    EXPECT_EQ (report.getName(), "PorociloZalogArtiklov");
    EXPECT_EQ (report.getNumRows(), 0);   // nothing before the first reload
    EXPECT_TRUE (report.usesStartDate() && report.usesSkladisce());
    EXPECT_FALSE (report.usesEndDate() || report.usesArtikel() || report.printsOwnForm());
    EXPECT_FALSE (report.getTable().getHeader().isColumnVisible (11));
    const auto& print = report.getPrintLayout().layoutSettings;
    EXPECT_EQ (print.getPrefix(), "PorociloZalogArtiklov");
    EXPECT_EQ ((int) print.getVar ("fontsizetable"), 10);
    EXPECT_EQ ((int) print.getVar ("headerlines"), 1);
    EXPECT_EQ ((int) print.getVar ("papersize"), 0);

    prepare (report, "2024-03-10", -1);
    EXPECT_EQ (report.getStartDate(), "2024-03-10 23:59:59");
    report.setStartDate ("2024-03-10 14:30:00");
    EXPECT_EQ (report.getStartDate(), "2024-03-10 23:59:59");
    report.setStartDate ("ni datum");   // not a date: the end of today
    EXPECT_EQ (report.getStartDate(), juce::Time::getCurrentTime().formatted ("%Y-%m-%d") + " 23:59:59");
    report.setStartDate ("2024-03-10 00:00:00");
    const juce::String total = "= |" + TRANS ("porocilozalogartiklov_stats_artikelime") + "|";
    juce::StringArray all { "Glavno|Frankinja|15.00|20", "Glavno|Karton|0.00|10" };
    all.add (total + "15.00|30");
    all.add ("Trgovina|Belo|9.00|12");
    all.add (total + "9.00|12");
    all.add ("Tuje blago|Karton|0.00|3");
    all.add (total + "0.00|3");
    EXPECT_EQ (shownRows (report), all);
    EXPECT_TRUE (report.hasZbirnik());

    prepare (report, "2024-03-10", 2);
    juce::StringArray one { "Trgovina|Belo|9.00|12" };
    one.add (total + "9.00|12");
    EXPECT_EQ (shownRows (report), one);

    ASSERT_TRUE (exec ("ALTER TABLE prenos RENAME TO prenos_stari"));
    prepare (report, "2024-03-10", -1);
    EXPECT_EQ (report.getNumRows(), 0);
    EXPECT_EQ (shownRows (report), juce::StringArray());
}

TEST_F (StockReport, ShownPrintedAndRenderedForALook)
{
    PorociloZalogArtiklov report;
    prepare (report, "2024-03-10", -1);
    report.setSize (1000, 320);
    report.updateTableContent();
    wtest::pump (60);
    const auto picture = wtest::snapshot (report);
    EXPECT_TRUE (wtest::writePng (picture, "/tmp/vindoro-stock-report.png"));
    EXPECT_NE (picture.getPixelAt (500, 5), picture.getPixelAt (500, 60));   // a header above the rows

    VindorPrintSettings settings;
    settings.setDefaults ("printdialog");
    settings.setValue ("preview", false);
    settings.setValue ("title", report.getNaslov());
    vtest::TempFolder folder;
    const auto file = folder.file ("zaloga.ps");
    std::unique_ptr<myPS> job (myPS::initFile (file, 0, "zaloga", false));
    ASSERT_NE (job, nullptr);
    job->setPrintSettings (settings);
    const auto area = job->getPageArea (true);
    const int pages = report.printReport (area, *job, settings, nullptr, -1);
    ASSERT_GE (pages, 1);
    job->setNumberOfPages (pages);
    EXPECT_EQ (report.printReport (area, *job, settings, job.get(), pages), pages);
    EXPECT_TRUE (job->save ({}));
    EXPECT_EQ (vtest::renderPages (file, juce::File ("/tmp"), "vindoro-stock-report-page", 110).size(), pages);

    const juce::File pdfFolder = vtest::cupsPdfFolderOrSkip();
    if (pdfFolder == juce::File())
        return;
    const juce::String title = "zaloga-artiklov-" + juce::Uuid().toString();
    settings.setValue ("title", title);
    std::unique_ptr<myPS> queued (myPS::initPS (settings));
    ASSERT_NE (queued, nullptr);
    queued->setNumberOfPages (pages);
    EXPECT_EQ (report.printReport (queued->getPageArea (true), *queued, settings, queued.get(), pages), pages);
    ASSERT_TRUE (queued->save ({}));
    queued.reset();
    const juce::File pdf = vtest::waitForCupsPdf (pdfFolder, title);
    ASSERT_TRUE (pdf.existsAsFile()) << "the queue wrote no PDF of the report";
    vtest::TempFolder rendered;
    EXPECT_EQ (vtest::renderPages (pdf, rendered.get(), "page", 50).size(), pages);
}
