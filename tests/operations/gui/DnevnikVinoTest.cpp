// The journal of a set of wines: which entries it lists and in which order, its printed title,
// its page loop on a recording print target, one real job rendered to look at, and its Print
// button opening the print dialog once.
#include "operations/JournalTextFixture.h"
#include "operations/gui/DnevnikVino.h"
#include "print/gui/PrintDialog.h"
#include "print/gui/myPS.h"
#include "frame/VindorWindow.h"
#include "support/GhostscriptRender.h"
#include "support/RecordingPrintTarget.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"

using optest::FixedTranslations;

class DnevnikVinoTest : public optest::JournalTextFixture
{
protected:
    /** Two wines harvested into vessel A, moved together into B in one entry, then a loss of wine 7. */
    void bookTwoWines()
    {
        bookHarvest (7, 5, 500, 400, "2017-09-10 08:00:00");
        bookHarvest (8, 5, 300, 200, "2017-09-09 08:00:00");
        {
            DbTransaction tx;
            both = post (OperationType::wineTransfer, "2017-10-01 08:00:00");
            WineTransfer engine (both, &db);
            for (int vino : { 7, 8 })
            {
                ASSERT_TRUE (engine.transfer (Transfer::kInto, 6, 100, vino, 0));
                ASSERT_TRUE (engine.transfer (Transfer::kOutOf, 5, 100, vino, 0));
            }
            ASSERT_TRUE (tx.commit());
        }
        bookWineCare (7, 6, 100, 1.5, "2017-10-05 08:00:00");
        // Wine 9 only: not in a journal of 7 and 8.
        bookHarvest (9, 7, 100, 80, "2017-09-15 08:00:00");
    }

    juce::StringArray column (DnevnikVino& journal, const char* name)
    {
        juce::StringArray values;
        for (int i = 0; i < journal.getNumRows(); ++i)
            values.add (journal.rowAt (i)->getStringAttribute (name));
        return values;
    }

    static VindorPrintSettings printSettings()
    {
        VindorPrintSettings s;
        s.setDefaults ("printdnevnikvino");
        s.setValue ("preview", false);
        return s;
    }

    int both = 0;
    FixedTranslations translations;
};

TEST_F (DnevnikVinoTest, ListNamingNoWineGivesNoJournal)
{
    for (auto* ids : { "()", "( )", "", "(x)" })
        EXPECT_EQ (createDnevnikVino (ids), nullptr) << ids;
}

TEST_F (DnevnikVinoTest, EveryEntryOfTheWinesOnceOldestFirstWithItsText)
{
    bookTwoWines();
    auto journal = createDnevnikVino ("(7, 8)");
    ASSERT_NE (journal, nullptr);
    EXPECT_EQ (journal->vinoIds, "(7,8)");
    EXPECT_EQ (column (*journal, "datum"), juce::StringArray ({ "2017-09-09 08:00:00", "2017-09-10 08:00:00", "2017-10-01 08:00:00",
                                                                "2017-10-05 08:00:00" }));
    EXPECT_EQ (column (*journal, "ime"), juce::StringArray ({ "Trgatev", "Trgatev", "Pretok", "Vinsko opravilo" }));
    EXPECT_EQ (column (*journal, "vindor")[0], "Ana Kletar");
    const auto texts = column (*journal, "opomba");
    EXPECT_EQ (texts[0], juce::String::fromUTF8 ("Harvest: Rdeče (Dolina) 300.0kg; Transfer: 200.0l (Rdeče) into A in Klet."));
    // Two varieties moved together between vessels without a declared variety: no direction has
    // one variety to name, so the transfer's part stays empty.
    EXPECT_EQ (texts[2], ".");
    EXPECT_EQ (texts[3], "100.0 l (Belo) in vessel B in cellar Klet; Sweetening: 2.5 kg Sladkor for 100.0l; Loss: 1.5l (note: test).");
}

TEST_F (DnevnikVinoTest, PrintedTitleNamesTheVesselOrTheWines)
{
    bookTwoWines();
    auto journal = createDnevnikVino ("(7,8,10)");
    ASSERT_NE (journal, nullptr);
    // Wine 10's parcel row is missing: it has no name and is left out.
    EXPECT_EQ (journal->printTitle(), juce::String::fromUTF8 ("Dnevnik vinskih opravil za vina Belo 2016 (Breg ), Rdeče 2016 (Dolin)"));
    journal->setVessel ({ 5, "A", 1 });
    EXPECT_EQ (journal->printTitle(), "Dnevnik vinskih opravil vina v posodi A v kleti Klet");
}

TEST_F (DnevnikVinoTest, PageLoopCountsAsItPrintsAndKeepsTheClosingBlockWhole)
{
    bookHarvest (7, 5, 100, 100, "2017-09-01 08:00:00");
    for (int i = 0; i < 40; ++i)
        bookTransfer (7, 5 + i % 2, 6 - i % 2, 1, "2017-10-" + juce::String (1 + i % 28).paddedLeft ('0', 2) + " 08:00:00");
    auto journal = createDnevnikVino ("(7)");
    ASSERT_NE (journal, nullptr);
    ASSERT_EQ (journal->getNumRows(), 41);
    auto settings = printSettings();

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

    // The title on the first page only; the closing block last, whole, on a page of its own with the footer.
    int titles = 0;
    for (auto& line : log.lines())
        if (line.contains (" - title this_checkpoint:213 PRINTING"))
        {
            ++titles;
            EXPECT_TRUE (line.contains ("page:0 "));
        }
    EXPECT_EQ (titles, 1);
    int onLastPage = 0;
    for (int p : target.pathPages)
        onLastPage += p == counted - 1 ? 1 : 0;
    EXPECT_EQ (onLastPage, 2) << "the footer and the closing block";
    EXPECT_EQ (target.pathPages.getLast(), counted - 1);
    const auto block = target.pathBounds.getLast();
    EXPECT_LT (block.getHeight(), 40.0f);
    EXPECT_LE (block.getBottom(), (float) area.getBottom());
}

TEST_F (DnevnikVinoTest, RealJobRenderedToPng)
{
    bookTwoWines();
    auto journal = createDnevnikVino ("(7,8)");
    ASSERT_NE (journal, nullptr);
    journal->setVessel ({ 6, "B", 1 });
    auto settings = printSettings();
    vtest::TempFolder folder;
    const auto file = folder.file ("dnevnik.ps");
    std::unique_ptr<myPS> job (myPS::initFile (file, 1, "dnevnikvino", false));
    ASSERT_NE (job, nullptr);
    job->setPrintSettings (settings);
    const auto area = job->getPageArea (true);
    const int pages = journal->printReport (area, *job, settings, nullptr, -1);
    EXPECT_EQ (pages, 1);
    job->setNumberOfPages (pages);
    EXPECT_EQ (journal->printReport (area, *job, settings, job.get(), pages), pages);
    EXPECT_TRUE (job->save ({}));
    const auto rendered = vtest::renderPages (file, juce::File ("/tmp"), "dnevnik-vino", 60);
    ASSERT_EQ (rendered.size(), pages);
    auto image = juce::ImageFileFormat::loadFrom (rendered[0]);
    ASSERT_TRUE (image.isValid());
    // Ink on the page: the title line is dark somewhere along its row.
    bool ink = false;
    for (int y = 0; y < image.getHeight() && ! ink; ++y)
        for (int x = 0; x < image.getWidth() && ! ink; x += 2)
            ink = image.getPixelAt (x, y).getBrightness() < 0.3f;
    EXPECT_TRUE (ink);
}

TEST_F (DnevnikVinoTest, PrintOpensTheDialogOnceWithTheJournalsSettings)
{
    bookTwoWines();
    auto journal = createDnevnikVino ("(7)");
    ASSERT_NE (journal, nullptr);
    auto* content = journal.release();
    content->setSize (900, 500);
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    opener.addButton ("Print", 8);
    auto* window = VindorWindow::launchNormal (TRANS ("ZgodovinaVina"), content, &opener, &opener);
    ASSERT_NE (window, nullptr);
    wtest::pump();

    ASSERT_TRUE (content->printAction());
    wtest::pump();
    auto* dialog = content->getPrintDialog();
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getSettings().getString ("title"), "dnevnikvino");
    EXPECT_EQ (dialog->getSettings().getString ("printname"), "dnevnikvino");
    EXPECT_EQ ((int) dialog->getSettings().getValue ("papersize").getValue(), 1);

    vtest::LogCapture log;
    EXPECT_TRUE (content->printAction());
    EXPECT_TRUE (log.contains ("print okno je se odprto"));
    EXPECT_EQ (content->getPrintDialog(), dialog);

    content->currentChild->closeKW();
    wtest::pump();
    window->closeKW();
    wtest::pump();
}
