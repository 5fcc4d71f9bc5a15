// The history of a batch over entries booked as the harvest, transfer and bottling windows book
// them: which entries the chain keeps, in which order, the conditions it runs as a report, and
// its page loop on a recording print target.
#include "cellar/SerijaFixture.h"
#include "cellar/gui/DnevnikSerija.h"
#include "support/RecordingPrintTarget.h"
#include "support/TestSupport.h"

using optest::FixedTranslations;

class DnevnikSerijaTest : public celltest::SerijaFixture
{
protected:
    /** Batch 12 bottled on 20 March from vessel 7, where wines 7 and 8 came through vessels 5 and 6. */
    void bookHistory()
    {
        addSerija (12, "A", 2017, 3, 2, 2, 100);
        addSerija (13, "B", 2017, 3, 2, 3, 100);
        harvest7 = bookHarvest (7, 5, 600, 500, "2017-02-20 08:00:00");
        harvest8 = bookHarvest (8, 6, 250, 200, "2017-02-25 08:00:00");
        march1 = bookTransfer (7, 5, 6, 300, "2017-03-01 08:00:00");
        {
            // Both wines out of 6 into 7 in one entry.
            DbTransaction tx;
            march10 = post (OperationType::wineTransfer, "2017-03-10 08:00:00");
            WineTransfer engine (march10, &db);
            for (auto [vino, litres] : { std::pair { 7, 300.0 }, std::pair { 8, 200.0 } })
            {
                ASSERT_TRUE (engine.transfer (Transfer::kInto, 7, litres, vino, 0));
                ASSERT_TRUE (engine.transfer (Transfer::kOutOf, 6, litres, vino, 0));
            }
            ASSERT_TRUE (tx.commit());
        }
        // Wine 7 left in vessel 5 goes to 8: its chain never reaches a bottling.
        deadEnd = bookTransfer (7, 5, 8, 100, "2017-03-12 08:00:00");
        bottling = bookBottling (12, 7, { { 7, 100.0 }, { 8, 100.0 } }, "2017-03-20 08:00:00");
        otherBatch = bookBottling (13, 7, { { 7, 50.0 } }, "2017-03-21 08:00:00");
        afterwards = bookTransfer (7, 7, 6, 100, "2017-03-25 08:00:00");
        // Wine 9 is not in the batch.
        bookHarvest (9, 8, 100, 80, "2017-02-21 08:00:00");
    }

    std::unique_ptr<DnevnikSerija> history (int serija)
    {
        auto journal = createDnevnikSerija();
        journal->setSerijaIDN (batch (serija), 1);
        journal->reloadData();
        return journal;
    }

    static juce::StringArray column (DnevnikSerija& journal, const char* name)
    {
        juce::StringArray values;
        for (int i = 0; auto* row = journal.rowAt (i); ++i)
            values.add (row->getStringAttribute (name));
        return values;
    }

    int harvest7 = 0, harvest8 = 0, march1 = 0, march10 = 0, deadEnd = 0, bottling = 0, otherBatch = 0, afterwards = 0;
    FixedTranslations translations;
};

TEST_F (DnevnikSerijaTest, KeepsTheChainsIntoTheBatchsBottlingsOldestFirst)
{
    bookHistory();
    vtest::LogCapture log;
    auto journal = history (12);
    EXPECT_EQ (journal->getSerijaIds(), "(12)");
    EXPECT_EQ (journal->getVinoIds(), "(7,8)");
    const auto n = [] (int id) { return juce::String (id); };
    // Each entry once, the one that moved both wines too; rows ascending by date.
    EXPECT_EQ (column (*journal, "id").joinIntoString ("|"),
               n (harvest7) + "|" + n (harvest8) + "|" + n (march1) + "|" + n (march10) + "|" + n (bottling));
    EXPECT_EQ (column (*journal, "datum").joinIntoString ("|"),
               "2017-02-20 08:00:00|2017-02-25 08:00:00|2017-03-01 08:00:00|2017-03-10 08:00:00|2017-03-20 08:00:00");
    EXPECT_TRUE (log.contains ("zadnje steklenicenje:2017-03-20 08:00:00"));
    EXPECT_TRUE (log.contains ("nasel prevec nov pretok id:" + n (afterwards)));
    EXPECT_TRUE (log.contains ("nasel nepovezan pretok id:" + n (deadEnd)));
    EXPECT_FALSE (log.contains ("id:" + n (otherBatch))) << "another batch's bottling goes before any chain is asked";
    EXPECT_EQ (column (*journal, "opomba")[2], "Transfer: 300.0l (Belo) out of A in Klet 300.0l (Belo) into B in Klet.");
    EXPECT_EQ (journal->getNaslov(), "DnevnikSerijaPorocilo Sauvignon, 0.75l, 2017-A");
}

TEST_F (DnevnikSerijaTest, ABatchNeverBottledOrWithoutCompositionShowsNothing)
{
    bookHistory();
    addSerija (14, "C", 2017, 3, 2, 1, 0);
    auto journal = history (14);
    // Wine 1 is a real wine of the cellar; a batch without composition names none.
    EXPECT_EQ (journal->getVinoIds(), "(0)");
    EXPECT_EQ (journal->getNumRows(), 0);

    // Composition without a bottling entry: every chain fails.
    ASSERT_TRUE (SerijaStore::dodajVino (14, 7, 10, 7, nullptr));
    auto unbottled = history (14);
    EXPECT_EQ (unbottled->getVinoIds(), "(7)");
    EXPECT_EQ (unbottled->getNumRows(), 0);

    vtest::LogCapture log;
    auto none = createDnevnikSerija();
    none->setSerijaIDN (SerijaStore::empty(), 1);
    none->reloadData();
    EXPECT_TRUE (log.contains ("ERROR: serijaid ni podano"));
    EXPECT_TRUE (log.contains ("ERROR: ne vem kaj nalozit"));
    EXPECT_EQ (none->getNumRows(), 0);
}

TEST_F (DnevnikSerijaTest, ConditionsAndCapabilitiesAsAReport)
{
    addSerija (12, "A", 2017, 3, 2, 2, 100);
    ASSERT_TRUE (SerijaStore::dodajVino (12, 7, 10, 7, nullptr));
    auto journal = createDnevnikSerija();
    EXPECT_EQ (journal->getSerijaIds(), "()");
    journal->setSerijaIDN (batch (12), 1);
    journal->setLimit (20);
    const auto pogoj = journal->getPogoj();
    EXPECT_TRUE (pogoj.startsWith ("(t.vino IN (7) OR pin.vino IN (7)")) << pogoj;
    EXPECT_TRUE (pogoj.contains ("stek.serija IN (12) OR rpoart.link IN (12) OR peart.link IN (12))"));
    EXPECT_TRUE (pogoj.endsWith (" GROUP BY g.id ORDER BY g.datum DESC  LIMIT 20")) << pogoj;
    EXPECT_TRUE (journal->usesSerija());
    EXPECT_FALSE (journal->usesStartDate());
    EXPECT_FALSE (journal->usesEndDate());
    EXPECT_TRUE (journal->printsOwnForm());
    EXPECT_EQ (journal->getName(), "DnevnikSerija");
}

TEST_F (DnevnikSerijaTest, PageLoopCountsAsItPrintsAndKeepsTheClosingBlockWhole)
{
    addSerija (12, "A", 2017, 3, 2, 2, 100);
    bookHarvest (7, 5, 100, 100, "2017-09-01 08:00:00");
    for (int i = 0; i < 40; ++i)
        bookTransfer (7, 5 + i % 2, 6 - i % 2, 1, "2017-10-" + juce::String (1 + i / 2).paddedLeft ('0', 2) + (i % 2 == 0 ? " 08:00:00" : " 09:00:00"));
    bookBottling (12, 5, { { 7, 10.0 } }, "2017-11-01 08:00:00");
    auto journal = history (12);
    ASSERT_EQ (journal->getNumRows(), 42);
    VindorPrintSettings settings;
    settings.setDefaults (DnevnikSerija::kPrintPrefix);
    settings.setValue ("preview", false);

    // A page height at which the last rows leave no room for the closing block below them.
    int height = 0;
    for (int h = 400; h < 900 && height == 0; h += 3)
    {
        vtest::RecordingPrintTarget probe (842, h);
        vtest::LogCapture log;
        journal->printReport (probe.getPageArea (true), probe, settings, nullptr, -1);
        for (auto& line : log.lines())
            if (line.contains ("preveliko za stran") && ! line.contains ("preveliko za stran 0"))
                height = h;
    }
    ASSERT_GT (height, 0);

    vtest::RecordingPrintTarget target (842, height);
    const auto area = target.getPageArea (true);
    vtest::LogCapture log;
    const int counted = journal->printReport (area, target, settings, nullptr, -1);
    EXPECT_EQ (target.paths + target.rects, 0) << "the counting pass draws nothing";
    const int printed = journal->printReport (area, target, settings, &target, counted);
    EXPECT_EQ (printed, counted);
    EXPECT_GE (counted, 3);
    EXPECT_EQ (target.newPages, counted - 1);

    int titles = 0;
    for (auto& line : log.lines())
        if (line.contains (" - title this_checkpoint:537 PRINTING"))
        {
            ++titles;
            EXPECT_TRUE (line.contains ("page:0 "));
        }
    EXPECT_EQ (titles, 1);
    int onLastPage = 0;
    for (int p : target.pathPages)
        onLastPage += p == counted - 1 ? 1 : 0;
    EXPECT_EQ (onLastPage, 2) << "the footer and the closing block";
    const auto block = target.pathBounds.getLast();
    EXPECT_LT (block.getHeight(), 40.0f);
    EXPECT_LE (block.getBottom(), (float) area.getBottom());
}
