// The reports window: the remembered report, the report list, the order in which a prepare hands
// the period and filters to a report, the closed date section, the period's bounds, copies,
// export, and the harvest declaration chosen, prepared and printed from the main board by clicks.
#include "app/BoardWindows.h"
#include "cellar/gui/DnevnikSerija.h"
#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "app/MainContentComponent.h"
#include "frame/VindorWindow.h"
#include "print/gui/HarvestFixture.h"
#include "partners/gui/StrankaButtonPropertyComponent.h"
#include "print/gui/Porocilo.h"
#include "warehouse/gui/SkladisceChoicePropertyComponent.h"
#include "print/gui/PorociloProgressThread.h"
#include "print/gui/PrintDialog.h"
#include "print/gui/TrgatevPorocilo.h"
#include "support/BoardWiring.h"
#include "support/CupsTestQueue.h"
#include "support/GhostscriptRender.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"
#include "warehouse/gui/PorociloZalogArtiklov.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"

using namespace harvesttest;

namespace
{
constexpr int kFakeId = 7;

/** A report that writes down what the window does with it. */
class FakeReport : public PregledBaze,
                   public PorociloPogoj,
                   public StrankaListener,
                   public SkladisceListener,
                   public KletListener
{
public:
    explicit FakeReport (juce::StringArray& j) : PregledBaze ("SELECT 1 AS id WHERE 0", false, spec()), StrankaListener (1), journal (j) {}

    static const TableColumnSpec& spec()
    {
        static const TableColumnSpec s ("fake_", { { "id", CellType::wholeRight, 5 } }, {}, {});
        return s;
    }
    void setStartDate (const juce::String& t) override
    {
        journal.add ("start " + t + " limit " + juce::String (limit) + " conditions " + juce::String (pogoji.size()));
        PorociloPogoj::setStartDate (t);
    }
    void setEndDate (const juce::String& t) override
    {
        journal.add ("end " + t);
        PorociloPogoj::setEndDate (t);
    }
    void setStrankaIDN (StrankaRecord p, int slot) override
    {
        journal.add ("party " + juce::String (p.id));
        StrankaListener::setStrankaIDN (p, slot);
    }
    void setSkladisceIDN (SkladisceRecord w, int slot) override
    {
        journal.add ("warehouse " + juce::String (w.id));
        SkladisceListener::setSkladisceIDN (w, slot);
    }
    void setKletIDN (KletRecord k, int slot) override
    {
        journal.add ("cellar " + juce::String (k.id));
        KletListener::setKletIDN (k, slot);
    }
    void reloadData() override { journal.add ("reload threaded " + juce::String ((int) isThreadedQuery()) + " limit " + juce::String (limit)); }
    bool usesEndDate() const override { return true; }
    bool usesStranka() const override { return true; }
    bool usesSkladisce() const override { return true; }
    bool usesKlet() const override { return true; }
    bool printsTable() override { return false; }
    bool hasGroupExport() override { return groupExportOffered; }
    void groupExport() override { journal.add ("group export"); }
    bool exportAction() override
    {
        journal.add ("export");
        return true;
    }

    juce::StringArray& journal;
    bool groupExportOffered = false;
};

class WindowWithFake : public Porocilo
{
public:
    juce::StringArray journal;
    FakeReport* fake() const { return dynamic_cast<FakeReport*> (getReport()); }

protected:
    std::unique_ptr<PregledBaze> makeReport (int id) override
    {
        if (id == kFakeId)
            return std::make_unique<FakeReport> (journal);
        return Porocilo::makeReport (id);
    }
};

/** A report of 200 numbered rows that prints its table. */
class TableReport : public PregledBaze,
                    public PorociloPogoj
{
public:
    TableReport()
        : PregledBaze ("WITH RECURSIVE c(id) AS (SELECT 1 UNION ALL SELECT id+1 FROM c WHERE id<200) SELECT id FROM c", false,
                       FakeReport::spec())
    {
        naslov = "Stevila";
    }
    void reloadData() override {}
};

class WindowWithTable : public Porocilo
{
protected:
    std::unique_ptr<PregledBaze> makeReport (int id) override
    {
        if (id == kFakeId)
            return std::make_unique<TableReport>();
        return Porocilo::makeReport (id);
    }
};

/** Three pages per copy, whatever the report. */
class ThreePageWindow : public Porocilo
{
public:
    int printReport (juce::Rectangle<int>, myPrint&, VindorPrintSettings&, myPrint* output, int) override
    {
        if (output != nullptr)
            output->newPage (0), output->newPage (0);
        return 3;
    }
};

class ReportsWindow : public HarvestDatabase
{
protected:
    juce::PropertiesFile& settings() { return database.settings().user(); }
    void choose (Porocilo& w, int id)
    {
        w.getTipValue() = id;
        wtest::pump (30);
    }
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (ReportsWindow, ARememberedReportOutsideTheListOpensTheFirstBook)
{
    for (int stored : { 19, -1, 200 })
    {
        vtest::LogCapture log;
        settings().setValue ("Porocilo:tip", stored);
        Porocilo window;
        EXPECT_EQ (window.getReportTip(), 0) << stored;
        EXPECT_EQ (window.getReport(), nullptr);   // the VAT books come with their subsystem
        EXPECT_TRUE (log.contains (juce::String (Porocilo::kUnknownReport) + "0"));
        EXPECT_TRUE (window.buttonAction (ButtonCode::print));
        EXPECT_TRUE (window.buttonAction (ButtonCode::exportTable));
    }
    EXPECT_EQ (Porocilo::reportList().size(), 24u);
}

TEST_F (ReportsWindow, TheListChoosesTheReportAndItsFilterRows)
{
    settings().setValue ("Porocilo:tip", 2);
    Porocilo window;
    auto* harvest = dynamic_cast<TrgatevPorocilo*> (window.getReport());
    ASSERT_NE (harvest, nullptr);
    EXPECT_TRUE (window.getStrankaButton()->isEnabled());
    EXPECT_EQ (window.getStrankaButton()->getName(), TRANS ("porocilo_trgatevporocilo_naziv"));
    EXPECT_EQ (window.getStrankaButton()->getMask(), 2);
    EXPECT_TRUE (window.getEndCalendar()->isEnabled());
    EXPECT_FALSE (window.getSkladisceChoice()->isEnabled());

    choose (window, 2);
    EXPECT_EQ (window.getReport(), harvest);   // the shown entry keeps its report

    choose (window, 5);
    ASSERT_NE (dynamic_cast<PorociloZalogArtiklov*> (window.getReport()), nullptr);
    EXPECT_FALSE (window.getStrankaButton()->isEnabled());
    EXPECT_FALSE (window.getEndCalendar()->isEnabled());
    EXPECT_TRUE (window.getSkladisceChoice()->isEnabled());

    // The batch history takes only the batch row, and a picked batch reaches it at once.
    choose (window, 11);
    auto* history = dynamic_cast<DnevnikSerija*> (window.getReport());
    ASSERT_NE (history, nullptr);
    EXPECT_TRUE (window.getSerijaButton()->isEnabled());
    EXPECT_FALSE (window.getStrankaButton()->isEnabled());
    EXPECT_FALSE (window.getSkladisceChoice()->isEnabled());
    SerijaRecord batch;
    batch.id = 7;
    window.setSerijaIDN (batch, 1);
    EXPECT_EQ (history->getSerija().id, 7);

    window.prepareToClose();
    EXPECT_EQ (settings().getIntValue ("Porocilo:tip"), 11);
}

TEST_F (ReportsWindow, PrepareHandsThePeriodAndFiltersOverInOrder)
{
    WindowWithFake window;
    choose (window, kFakeId);
    ASSERT_NE (window.fake(), nullptr);
    window.journal.clear();
    window.fake()->addCondition ("stale");
    window.fake()->setLimit (5);

    window.getStartCalendar()->setDateText ("2024-12-01");
    window.getEndCalendar()->setDateText ("2024-12-31");
    window.getPrepareButton()->triggerClick();
    wtest::pump (30);
    EXPECT_EQ (window.journal, (juce::StringArray { "start 2024-12-01 00:00:00 limit -1 conditions 0", "end 2025-01-01 00:00:00",
                                                    "party -1", "warehouse -1", "cellar -1", "reload threaded 1 limit -1" }));

    // A pick clears the report; with the date section closed a prepare keeps what the report had.
    window.journal.clear();
    StrankaRecord grower;
    grower.id = kGrower;
    window.setStrankaIDN (grower, 1);
    EXPECT_EQ (window.journal, (juce::StringArray { "party 61", "reload threaded 0 limit 0" }));
    window.getPanel().setSectionOpen (0, false);
    window.journal.clear();
    window.getPrepareButton()->triggerClick();
    wtest::pump (30);
    EXPECT_EQ (window.journal, (juce::StringArray { "reload threaded 1 limit 0" }));
    EXPECT_EQ (window.fake()->getStartDate(), "2024-12-01 00:00:00");
}

TEST_F (ReportsWindow, ThePeriodEndsAtTheNextCalendarDay)
{
    EXPECT_EQ (Porocilo::nextDayStart (juce::Time (2024, 11, 31, 12, 0)), "2025-01-01 00:00:00");
    // 27 October 2024 has 25 hours here: 24 hours after 00:30 is still the 27th.
    EXPECT_EQ (Porocilo::nextDayStart (juce::Time (2024, 9, 27, 0, 30)), "2024-10-28 00:00:00");
    EXPECT_EQ (Porocilo::nextDayStart (juce::Time (2024, 2, 31, 0, 30)), "2024-04-01 00:00:00");
}

TEST_F (ReportsWindow, TwoCopiesOfAThreePageReportAnnounceSix)
{
    settings().setValue ("Porocilo:tip", 2);
    ThreePageWindow window;
    PageTarget target;
    VindorPrintSettings s;
    s.setDefaults ("printdialog");
    EXPECT_EQ (window.printCopies (target, s, 2), 6);
    EXPECT_EQ (target.announced, 6);
    EXPECT_EQ (target.newPages, 2 + 1 + 2);   // within each copy, and one between them
}

TEST_F (ReportsWindow, PagesAroundTheReportsTable)
{
    WindowWithTable window;
    choose (window, kFakeId);
    ASSERT_NE (window.getReport(), nullptr);
    ASSERT_EQ (window.getReport()->getNumRows(), 200);
    VindorPrintSettings s;
    s.setDefaults ("printdialog");
    PageTarget target;
    const auto area = target.getPageArea (true);
    const int counted = window.printReport (area, target, s, nullptr, -1);
    EXPECT_GT (counted, 2);
    EXPECT_EQ (window.printReport (area, target, s, &target, counted), counted);
    EXPECT_EQ (target.newPages, counted - 1);

    // A report that prints neither table nor statistics: footer, header, title and closing on one page.
    WindowWithFake formOnly;
    choose (formOnly, kFakeId);
    ASSERT_NE (formOnly.fake(), nullptr);
    EXPECT_EQ (formOnly.printReport (area, target, s, nullptr, -1), 1);
}

TEST_F (ReportsWindow, ExportGoesToTheTextOrAsksAboutTheGroup)
{
    WindowWithFake window;
    choose (window, kFakeId);
    ASSERT_NE (window.fake(), nullptr);
    window.journal.clear();
    EXPECT_TRUE (window.buttonAction (ButtonCode::exportTable));
    EXPECT_TRUE (answers.asked.empty());
    EXPECT_EQ (window.journal, juce::StringArray { "export" });

    window.fake()->groupExportOffered = true;
    const std::pair<int, const char*> cases[] = { { 0, nullptr }, { 2, "export" }, { 1, "group export" } };
    for (const auto& [answer, expected] : cases)
    {
        window.journal.clear();
        answers.then (answer);
        EXPECT_TRUE (window.buttonAction (ButtonCode::exportTable));
        EXPECT_EQ (window.journal, expected != nullptr ? juce::StringArray { expected } : juce::StringArray()) << answer;
    }
    EXPECT_EQ (answers.asked.size(), 3u);
    EXPECT_FALSE (window.buttonAction (ButtonCode::history));
}

TEST_F (ReportsWindow, HarvestDeclarationFromTheBoardByClicks)
{
    auto board = wtest::openWiredBoard();
    auto* window = wtest::openFromBoard (*board, TRANS ("Porocila"));
    ASSERT_NE (window, nullptr);
    auto* reports = dynamic_cast<Porocilo*> (window->getAction());
    ASSERT_NE (reports, nullptr);
    ASSERT_NE (wtest::windowButton (*window, TRANS ("Print")), nullptr);
    ASSERT_NE (wtest::windowButton (*window, TRANS ("Export")), nullptr);

    // The harvest declaration is the list's first entry.
    auto* combo = wtest::findChild<juce::ComboBox> (*reports->getTipChoice());
    ASSERT_NE (combo, nullptr);
    combo->setSelectedItemIndex (0, juce::sendNotificationSync);
    wtest::pump (60);
    ASSERT_NE (dynamic_cast<TrgatevPorocilo*> (reports->getReport()), nullptr);
    reports->getStartCalendar()->setDateText ("2024-09-01");
    reports->getEndCalendar()->setDateText ("2024-10-31");
    reports->getPrepareButton()->triggerClick();
    wtest::pump (150);
    EXPECT_EQ (reports->getReport()->getNumRows(), 3);
    EXPECT_FALSE (answers.progressTitles.isEmpty());   // the query ran behind the progress window

    window->setSize (1100, 600);
    wtest::pump (100);
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (*window), "/tmp/vindoro-reports-window.png"));

    const juce::File pdfFolder = vtest::cupsPdfFolderOrSkip();
    if (pdfFolder != juce::File())
    {
        wtest::windowButton (*window, TRANS ("Print"))->triggerClick();
        wtest::pump (150);
        auto* dialog = reports->getPrintDialog();
        ASSERT_NE (dialog, nullptr);
        const juce::String title = "trgatev-" + juce::Uuid().toString();
        dialog->getSettings().getValue ("printer") = vtest::cupsTestQueue();
        dialog->getSettings().getValue ("title") = title;
        auto* dialogWindow = dynamic_cast<VindorWindow*> (reports->currentChild.get());
        ASSERT_NE (dialogWindow, nullptr);
        wtest::windowButton (*dialogWindow, TRANS ("Print"))->triggerClick();
        wtest::pump (300);
        const juce::File pdf = vtest::waitForCupsPdf (pdfFolder, title);
        ASSERT_TRUE (pdf.existsAsFile()) << "the queue wrote no PDF of the declaration";
        const auto pages = vtest::renderPages (pdf, juce::File ("/tmp"), "vindoro-harvest-cups", 60);
        EXPECT_EQ (pages.size(), 5);
    }

    wtest::closeWiredBoard (board);
}

TEST (ReportProgressRun, ACancelAtOnceEndsTheRunUnsuccessfully)
{
    vtest::ScriptedAnswerer answers;
    answers.cancelProgressAfter (0);
    vtest::LogCapture log;
    PorociloProgressThread::install();
    juce::Component parent;
    parent.setSize (300, 200);
    PorociloPogoj report;
    EXPECT_FALSE (report.launchProgressThread (&parent));
    EXPECT_EQ (report.getThreadResult(), 0);
    EXPECT_TRUE (log.contains ("Exit called"));
    EXPECT_TRUE (log.contains ("exited here"));
    PorociloPogoj::setProgressRunner (nullptr);
}
