// The batch dialog, the batch register and the batch chooser under a real X server, driven by
// clicks and typed values, with the stored batches and the chooser's owner read back; and the
// history window rendered to a picture.
#include "cellar/SerijaFixture.h"
#include "cellar/SerijaListener.h"
#include "cellar/gui/CreateSerijaAction.h"
#include "cellar/gui/DnevnikSerija.h"
#include "cellar/gui/EditSerijaAction.h"
#include "cellar/gui/InsertSerijaAction.h"
#include "cellar/gui/Kompozicija.h"
#include "cellar/gui/PregledBazeSerija.h"
#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "partners/gui/PartnerWindows.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"

using namespace ptest;

namespace
{
/** A form holding the batch it works on, as the bottling window does. */
class BatchForm : public juce::Component,
                  public SerijaListener
{
public:
    BatchForm() { setSize (500, 300); }
    void setSerijaIDN (SerijaRecord record, int slot) override
    {
        SerijaListener::setSerijaIDN (record, slot);
        ++told;
    }
    int told = 0;
};

class SerijaWindows : public celltest::SerijaFixture
{
protected:
    void SetUp() override
    {
        SerijaFixture::SetUp();
        addSerija (5, "A", 2014, 3, 2, 2, 100);
        addSerija (6, "B", 2015, 4, 3, 1, 200);
        addSerija (7, "C", 2016, 3, 3, 3, 300);
        addSerija (8, "D", 2018, 3, 2, 2, 0, 0);
    }

    void TearDown() override
    {
        closeAllWindows();
        SerijaFixture::TearDown();
    }

    std::unique_ptr<SerijaButtonPropertyComponent> chooser (bool forEditing = false)
    {
        auto row = std::make_unique<SerijaButtonPropertyComponent> ("Izberi serijo", "Serija", &form, forEditing, false);
        form.addAndMakeVisible (*row);
        row->setBounds (0, 0, 500, row->getPreferredHeight());
        return row;
    }

    PregledBazeSerija* browserOf (SerijaButtonPropertyComponent& row)
    {
        auto* window = childOf (row);
        if (window == nullptr)
            return nullptr;
        window->setSize (700, 500);
        pump();
        return contentOf<PregledBazeSerija> (window);
    }

    /** Types into a dialog's Value and lets the framework deliver the change. */
    static void type (juce::Value& v, const juce::String& text)
    {
        v = text;
        pump (60);
    }

    BatchForm form;
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (SerijaWindows, OneClickPicksAndClosesAClickOnTheSelectedBatchClearsIt)
{
    auto row = chooser();
    EXPECT_EQ (row->getButtonText(), "Izberi serijo");
    clickButtonOf (*row);
    auto* browser = browserOf (*row);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (childOf (*row)->getTitle(), "serija");
    EXPECT_EQ (buttonsOf (childOf (*row)), juce::StringArray ({ "Close", "Nova Serija" }));
    // Listed batches only; the header's first column (the id) orders them.
    EXPECT_EQ (columnOf (*browser, "oznaka").joinIntoString ("|"), "A|B|C");

    clickRow (*browser, 1);
    EXPECT_EQ (childOf (*row), nullptr) << "picked and closed";
    EXPECT_EQ (form.told, 1);
    EXPECT_EQ (form.getSerija().id, 6);
    EXPECT_EQ (row->getButtonText(), "Modra frankinja, 1.00l, 2015-B");

    clickButtonOf (*row);
    browser = browserOf (*row);
    ASSERT_NE (browser, nullptr);
    browser->getTable().selectRow (0);
    ASSERT_NE (browser->getSelectedRow(), nullptr);
    vtest::LogCapture log;
    clickRow (*browser, 0);
    EXPECT_NE (childOf (*row), nullptr) << "a cleared selection picks nothing";
    EXPECT_TRUE (log.contains ("WARNING: row pointer is empty"));
    EXPECT_EQ (form.told, 1);
    EXPECT_EQ (form.getSerija().id, 6);
}

TEST_F (SerijaWindows, ANewBatchFromAFilteredListMovesTheFilterToItsVintage)
{
    auto row = chooser();
    row->setSerijaLetnik (2015);
    clickButtonOf (*row);
    auto* browser = browserOf (*row);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (columnOf (*browser, "letnik").joinIntoString ("|"), "2015|2016");

    press (childOf (*row), "Nova Serija");
    auto* window = childOf (*browser);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "Nova serija");
    EXPECT_EQ (buttonsOf (window), juce::StringArray ({ "Cancel", "Save" }));
    auto* dialog = contentOf<CreateSerijaAction> (window);
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->letnikValue.toString(), "2015");

    type (dialog->oznakaValue, "N1");
    type (dialog->letnikValue, "2017");
    EXPECT_EQ (dialog->getLetnik(), 2017);
    dialog->setSortaIDN (batch (5).sorta, 1);
    dialog->modelValue = 3;
    press (window, "Save");
    EXPECT_EQ (childOf (*browser), nullptr);
    EXPECT_EQ (browser->getLetnikFilter(), 2017);
    EXPECT_EQ (columnOf (*browser, "oznaka").joinIntoString ("|"), "N1");
    EXPECT_EQ (value ("SELECT letnik||'/'||sorta||'/'||model||'/'||stevilo FROM serija WHERE oznaka='N1'"), "2017/3/3/0");
    // The next dialog starts from the saved label, model and grade.
    EXPECT_EQ (settings().getValue ("Serija:oznaka"), "N1");
    EXPECT_EQ (settings().getIntValue ("Serija:model"), 3);
}

TEST_F (SerijaWindows, AListedTwinKeepsTheDialogOpenWithItsText)
{
    PregledBazeSerija* browser = new PregledBazeSerija (false, false);
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    auto* window = VindorWindow::launchNormal ("serija", browser, &form, &opener);
    ASSERT_NE (window, nullptr);
    ASSERT_TRUE (browser->insertAction());
    auto* dialogWindow = childOf (*browser);
    auto* dialog = contentOf<CreateSerijaAction> (dialogWindow);
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->letnikValue.toString(), juce::String (juce::Time::getCurrentTime().getYear()));
    type (dialog->oznakaValue, "A");
    type (dialog->letnikValue, "2014");
    dialog->setSortaIDN (batch (5).sorta, 1);
    dialog->modelValue = 2;
    dialog->kvalitetaValue = 2;
    answers.then (0);   // "go back and fix it"
    press (dialogWindow, "Save");
    EXPECT_EQ (childOf (*browser), dialogWindow) << "still open";
    EXPECT_EQ (dialog->getErrorText(), "Podobna serija Sauvignon, 0.75l, 2014-A ze obstaja!\nSpremeni serijo");
    EXPECT_EQ (value ("SELECT count(*) FROM serija"), "4");
}

TEST_F (SerijaWindows, AVintageOutsideTheRowsRangeIsWarnedAndRestored)
{
    CreateSerijaAction dialog (2016);
    for (auto* typed : { "0", "2500", "-3", "x" })
    {
        SCOPED_TRACE (typed);
        answers.asked.clear();
        type (dialog.letnikValue, typed);
        ASSERT_EQ (answers.asked.size(), 1u);
        EXPECT_EQ (answers.asked[0].title, "Opozorilo");
        EXPECT_EQ (answers.asked[0].message, "Vrednost za letnik naj bo med 0 in 2500");
        EXPECT_EQ (dialog.letnikValue.toString(), "2016");
        EXPECT_EQ (dialog.getLetnik(), 2016);
    }
    type (dialog.letnikValue, "2499");
    EXPECT_EQ (dialog.getLetnik(), 2499);

    // The save's own test is wider: an edited batch may bring 0 or 2500 along.
    for (int letnik : { 0, 2500, 2501 })
    {
        SCOPED_TRACE (letnik);
        ASSERT_TRUE (exec ("UPDATE serija SET letnik=" + juce::String (letnik) + " WHERE id=5"));
        auto tree = db.sqlFetch (SerijaStore::query() + " AND serija.id=5");
        ASSERT_NE (tree, nullptr);
        EditSerijaAction edit (tree->getChildByName ("DATA")->getChildElement (0));
        EXPECT_EQ (edit.prepareToSaveAction(), letnik <= 2500);
        if (letnik > 2500)
            EXPECT_EQ (edit.getErrorText(), "Vrednost za letnik naj bo med 0 in 2500");
    }
}

TEST_F (SerijaWindows, TheEditDialogSavesTheBatchAndAFailureKeepsItOpen)
{
    auto tree = db.sqlFetch (SerijaStore::query() + " AND serija.id=6");
    ASSERT_NE (tree, nullptr);
    EditSerijaAction edit (tree->getChildByName ("DATA")->getChildElement (0));
    EXPECT_EQ (edit.steviloValue.toString(), "200");
    EXPECT_EQ (edit.oznakaValue.toString(), "B");
    edit.steviloValue = "250";
    edit.oznakaValue = "B'2";
    EXPECT_TRUE (edit.saveAction());
    EXPECT_EQ (value ("SELECT oznaka||'/'||stevilo||'/'||letnik||'/'||sorta||'/'||active FROM serija WHERE id=6"), "B'2/250/2015/4/1");

    edit.oznakaValue = "A";
    edit.setSortaIDN (batch (5).sorta, 1);
    edit.modelValue = 2;
    edit.kvalitetaValue = 2;
    type (edit.letnikValue, "2014");
    EXPECT_FALSE (edit.saveAction()) << "batch 5's twin";
    EXPECT_TRUE (edit.getErrorText().startsWith ("Podobna serija "));

    edit.oznakaValue = "E";
    ASSERT_TRUE (exec ("CREATE TRIGGER refuse BEFORE UPDATE ON serija BEGIN SELECT RAISE(ABORT,'refused'); END;"));
    EXPECT_FALSE (edit.saveAction());
    EXPECT_EQ (edit.getErrorText(), "Napaka pri shranjevanju serije");
}

TEST_F (SerijaWindows, ABatchChangedOrGoneSincePickedStopsTheBooking)
{
    const auto picked = batch (6);
    EXPECT_FALSE (PregledBazeSerija::reloadCompareSet (picked, &db, &form));
    EXPECT_FALSE (PregledBazeSerija::reloadCompareSet (SerijaStore::empty(), &db, &form));

    ASSERT_TRUE (exec ("UPDATE serija SET stevilo=260 WHERE id=6"));
    EXPECT_TRUE (PregledBazeSerija::reloadCompareSet (picked, &db, &form));
    EXPECT_EQ (form.getSerija().stevilo, 260.0) << "the window gets the fresh batch";

    // Removed meanwhile: bottling must not book on it.
    ASSERT_TRUE (exec ("UPDATE serija SET active=0 WHERE id=6"));
    EXPECT_TRUE (PregledBazeSerija::reloadCompareSet (form.getSerija(), nullptr, &form));
}

TEST_F (SerijaWindows, CompositionSharesLargestFirst)
{
    addSerija (12, "K", 2017, 3, 2, 2, 1000);
    ASSERT_TRUE (SerijaStore::dodajVino (12, 7, 300, 5, nullptr));
    ASSERT_TRUE (SerijaStore::dodajVino (12, 8, 450, 6, nullptr));
    auto list = createKompozicija (batch (12));
    list->setSize (800, 300);
    ASSERT_EQ (list->getNumRows(), 2);
    EXPECT_NEAR (list->rowAt (0)->getDoubleAttribute ("razmerje"), 60.0, 1e-9);
    EXPECT_NEAR (list->rowAt (1)->getDoubleAttribute ("razmerje"), 40.0, 1e-9);
    EXPECT_EQ (list->rowAt (0)->getStringAttribute ("posoda"), "B");
    auto& header = list->getTable().getHeader();
    EXPECT_TRUE (header.isColumnVisible (5));
    EXPECT_FALSE (header.isColumnVisible (6));
}

TEST_F (SerijaWindows, HistoryOpensFromTheEditingRegisterAndIsRendered)
{
    // Batch 7 bottled from vessel 6 after a transfer into it.
    bookHarvest (7, 5, 400, 300, "2017-03-01 08:00:00");
    bookTransfer (7, 5, 6, 200, "2017-03-10 08:00:00");
    bookBottling (7, 6, { { 7, 150.0 } }, "2017-03-20 08:00:00");

    auto row = chooser (true);
    clickButtonOf (*row);
    auto* browser = browserOf (*row);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (buttonsOf (childOf (*row)), juce::StringArray ({ "Close", "Edit", "ZgodovinaSerije", "Insert" }));
    EXPECT_TRUE (browser->isEditable());
    clickRow (*browser, columnOf (*browser, "oznaka").indexOf ("C"));
    ASSERT_NE (browser->getSelectedRow(), nullptr);
    press (childOf (*row), "ZgodovinaSerije");
    auto* window = childOf (*browser);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "ZgodovinaSerije");
    EXPECT_EQ (buttonsOf (window), juce::StringArray ({ "Close", "Print" }));
    auto* journal = contentOf<DnevnikSerija> (window);
    ASSERT_NE (journal, nullptr);
    EXPECT_EQ (journal->getNumRows(), 3);

    // A second press while the history is open opens nothing more.
    vtest::LogCapture log;
    EXPECT_TRUE (browser->moreAction());
    EXPECT_TRUE (log.contains ("one window is still active"));

    window->setSize (1000, 360);
    pump (100);
    const auto image = wtest::snapshot (*window);
    ASSERT_TRUE (image.isValid());
    EXPECT_TRUE (wtest::writePng (image, "/tmp/vindoro-batch-history.png"));
}

TEST_F (SerijaWindows, ARemovedBatchLeavesEveryListAndComesBackWhenSavedAgain)
{
    auto row = chooser (true);
    clickButtonOf (*row);
    auto* browser = browserOf (*row);
    ASSERT_NE (browser, nullptr);
    clickRow (*browser, columnOf (*browser, "oznaka").indexOf ("B"));
    answers.then (0);
    EXPECT_FALSE (browser->deleteAction()) << "declined";
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, "Want to deleteModra frankinja, 1.00l, 2015-B");
    EXPECT_EQ (value ("SELECT active FROM serija WHERE id=6"), "1");

    // Still selected: a second click on it would clear the selection.
    ASSERT_NE (browser->getSelectedRow(), nullptr);
    answers.then (1);
    EXPECT_TRUE (browser->deleteAction());
    EXPECT_EQ (value ("SELECT active FROM serija WHERE id=6"), "0");
    EXPECT_EQ (columnOf (*browser, "oznaka").joinIntoString ("|"), "A|C");
    PregledBazeSerija other (2000, false);
    EXPECT_EQ (other.getNumRows(), 2);
    EXPECT_FALSE (columnOf (other, "oznaka").contains ("B"));

    // The same five values saved again bring the row back with its id and count.
    CreateSerijaAction dialog (2015);
    dialog.oznakaValue = "B";
    auto sorta = batch (5).sorta;
    sorta.id = 4;
    sorta.sorta = "Modra frankinja";
    dialog.setSortaIDN (sorta, 1);
    dialog.modelValue = 3;
    dialog.kvalitetaValue = 1;
    EXPECT_TRUE (dialog.saveAction());
    EXPECT_EQ (dialog.getRecord().id, 6);
    EXPECT_EQ (value ("SELECT active||'/'||stevilo FROM serija WHERE id=6"), "1/200");
}

TEST_F (SerijaWindows, AChoosersVintageFilterAboveZeroLimitsItsList)
{
    for (int letnik : { 0, 2016 })
    {
        SCOPED_TRACE (letnik);
        auto row = chooser();
        row->setSerijaLetnik (letnik);
        clickButtonOf (*row);
        auto* browser = browserOf (*row);
        ASSERT_NE (browser, nullptr);
        EXPECT_EQ (columnOf (*browser, "oznaka").joinIntoString ("|"), letnik > 0 ? "C" : "A|B|C");
        EXPECT_EQ (browser->getLetnikFilter(), letnik > 0 ? 2016 : -1);
        closeAllWindows();
    }
}
