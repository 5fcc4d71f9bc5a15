// The harvest report over a real database: its conditions for a period and a grower, one row per
// harvest with the must of all its vessels, the title naming the period's last day, and the
// declaration it prints (written to PostScript and rendered for a look).
#include "print/gui/HarvestFixture.h"
#include "print/gui/TrgatevPorocilo.h"
#include "print/gui/myPS.h"
#include "support/GhostscriptRender.h"

using namespace harvesttest;

namespace
{
/** What the reports window does before it reloads the report. */
void prepare (TrgatevPorocilo& report, const juce::String& start, const juce::String& endExclusive, int grower)
{
    report.clearConditions();
    report.setLimit (-1);
    report.setStartDate (start);
    report.setEndDate (endExclusive);
    StrankaRecord party;
    party.id = grower;
    report.setStrankaIDN (party, 1);
}

juce::StringArray shownRows (TrgatevPorocilo& report)
{
    juce::StringArray out;
    for (int i = 0; auto* row = report.rowAt (i); ++i)
        out.add (row->getStringAttribute ("tid") + "|" + row->getStringAttribute ("parcela") + "|"
                 + juce::String (row->getDoubleAttribute ("masa"), 2) + "|" + juce::String (row->getDoubleAttribute ("volumen"), 2) + "|"
                 + juce::String (row->getDoubleAttribute ("ratio"), 2));
    return out;
}

using HarvestReport = HarvestDatabase;
} // namespace

TEST_F (HarvestReport, ConditionsOfAPeriodAndAGrower)
{
    TrgatevPorocilo report;
    EXPECT_EQ (report.getName(), "TrgatevPorocilo");
    EXPECT_EQ (report.getNumRows(), 0);
    EXPECT_TRUE (report.usesStartDate() && report.usesEndDate() && report.usesStranka() && report.printsOwnForm());
    EXPECT_FALSE (report.usesSerija() || report.usesArtikel() || report.usesSkladisce() || report.usesKlet() || report.printsTable());
    EXPECT_EQ (report.getStrankaTip(), 2);
    EXPECT_EQ (report.getPrintLayout().layoutSettings.getPrefix(), "TrgatevPorocilo");

    const juce::String period = "datum>='2024-09-01 00:00:00' AND datum<'2024-11-01 00:00:00' AND t.active>0";
    // Party 1 is a party like any other; the window's "none" is the empty record.
    const std::pair<int, juce::String> cases[] = { { -1, period }, { 2, period + " AND p.id=2" }, { 1, period + " AND p.id=1" } };
    for (const auto& [grower, expected] : cases)
    {
        prepare (report, "2024-09-01 00:00:00", "2024-11-01 00:00:00", grower);
        EXPECT_EQ (report.getPogoj(), expected) << grower;
    }
}

TEST_F (HarvestReport, OneRowPerHarvestWithTheMustOfAllItsVessels)
{
    TrgatevPorocilo report;
    prepare (report, "2024-09-01 00:00:00", "2024-11-01 00:00:00", -1);
    report.reloadData();
    // Harvest 1 went into two vessels: its grapes once, its must summed, the yield from the sums.
    // The harvest of 1 November is outside the period and harvest 5 is withdrawn.
    EXPECT_EQ (shownRows (report), (juce::StringArray { "1|Breg|1000.00|720.00|72.00", "2|Hrib|500.00|350.00|70.00",
                                                        "3|Dol|800.00|560.00|70.00" }));

    prepare (report, "2024-09-01 00:00:00", "2024-11-01 00:00:00", kGrower);
    report.reloadData();
    EXPECT_EQ (report.getNumRows(), 2);

    // The title names the period's last day, 31 October, not the exclusive bound.
    const juce::String day = TRANS ("%Y-%m-%d");
    EXPECT_EQ (report.getNaslov(), TRANS ("porocilo_trgatevporocilo_naslov_porocila") + TRANS ("Porocilo_od")
                                       + juce::Time (2024, 8, 1, 12, 0).formatted (day) + TRANS ("Porocilo_do")
                                       + juce::Time (2024, 9, 31, 12, 0).formatted (day));
}

TEST_F (HarvestReport, PrintsTheDeclarationOfItsRowsOrOfTheSelectedOnes)
{
    TrgatevPorocilo report;
    prepare (report, "2024-09-01 00:00:00", "2024-11-01 00:00:00", -1);
    report.reloadData();
    VindorPrintSettings settings;
    settings.setDefaults ("TrgatevPorocilo");
    PageTarget target;
    const auto area = target.getPageArea (true);
    // Three parcels and two varieties.
    EXPECT_EQ (report.printReport (area, target, settings, nullptr, -1), 5);
    EXPECT_EQ (report.getNumRows(), 3);

    report.getTable().selectRow (1);
    report.getTable().selectRow (2, false, false);
    EXPECT_EQ (report.printReport (area, target, settings, nullptr, -1), 2);
    report.deselectAllRows();

    vtest::TempFolder folder;
    const auto file = folder.file ("trgatev.ps");
    std::unique_ptr<myPS> job (myPS::initFile (file, 0, "trgatev", false));
    ASSERT_NE (job, nullptr);
    const int pages = report.printReport (job->getPageArea (true), *job, settings, nullptr, -1);
    job->setNumberOfPages (pages);
    EXPECT_EQ (report.printReport (job->getPageArea (true), *job, settings, job.get(), pages), 5);
    EXPECT_TRUE (job->save ({}));
    EXPECT_EQ (vtest::renderPages (file, juce::File ("/tmp"), "vindoro-harvest-declaration", 120).size(), 5);
}
