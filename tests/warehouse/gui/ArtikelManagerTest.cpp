// The article manager under a real X server: its tabs by the article's kind, Insert and Print on
// tabs that have no such action, the bill-of-materials tab refusing an invoiced product, lines
// added through the line editor (the slider's maximum, one bill for every line of one browser),
// printing the storage tab through the print dialog onto the test's PDF queue, and the whole walk
// from a double click on the plan to a component picked on the read-only plan.
#include "operations/OperationsFixture.h"
#include "print/gui/PrintDialog.h"
#include "reports/DDV.h"
#include "support/CupsTestQueue.h"
#include "support/GhostscriptRender.h"
#include "support/ScriptedAnswerer.h"
#include "support/WindowTestParts.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "warehouse/KosovnicaAdd.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/ArtikelButtonPropertyComponent.h"
#include "warehouse/gui/ArtikelManager.h"
#include "warehouse/gui/KosovnicaEdit.h"
#include "warehouse/gui/ManagerTabbedComponent.h"
#include "warehouse/gui/PlanFixture.h"
#include "warehouse/gui/PregledBazeKosovnica.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "warehouse/gui/SkladisceViewer.h"

#include <gtest/gtest.h>

using namespace plantest;
using wtest::pump;

namespace
{
juce::StringArray lines (std::initializer_list<juce::String> texts)
{
    juce::StringArray out;
    for (const auto& t : texts)
        out.add (t);
    return out;
}

constexpr int kBillTab = 2;

class ArtikelManagerDb : public PlanDb
{
protected:
    void SetUp() override
    {
        PlanDb::SetUp();
        Workstation::set (&workstation);
        product = addEntry (kGlavno, kKarton, 3, 0, 0);
        component = addEntry (kGlavno, kZamasek, 7, 110, 0);
        wine = addEntry (kGlavno, kFrankinja, 12, 220, 0);
        settings().setValue (SkladisceGUI::kIdKey, kGlavno);   // the plan the picker shows
    }

    void TearDown() override
    {
        wtest::closeOpenWindows();
        delete DDV::getInstanceWithoutCreating();   // the plan windows load the rates of this database
        KosovnicaAdd::setClock ({});
        Workstation::set (nullptr);
    }

    static Hramba entry (int id)
    {
        Hramba h;
        h.id = id;
        EXPECT_TRUE (h.reload (nullptr)) << "entry " << id;
        return h;
    }

    /** The manager of the entry in a window with the tile's buttons. */
    ArtikelManager* open (int id)
    {
        opener.clearButtons();
        opener.addButton (TRANS ("Close"), 0);
        opener.addButton (TRANS ("Print"), 8);
        opener.addButton (TRANS ("Insert"), 6);
        auto* manager = new ArtikelManager (entry (id));
        window = VindorWindow::launchNormal (TRANS ("ArtikelManager"), manager, nullptr, &opener);
        pump (50);
        return manager;
    }

    static juce::StringArray tabNames (ArtikelManager& manager) { return manager.getTabs()->getTabNames(); }

    static void clickTab (ArtikelManager& manager, int index)
    {
        auto* tab = manager.getTabs()->getTabbedButtonBar().getTabButton (index);
        ASSERT_NE (tab, nullptr);
        tab->triggerClick();
        pump (30);
        ASSERT_EQ (manager.getTabs()->getCurrentTabIndex(), index);
    }

    static void press (VindorWindow& w, const juce::String& caption)
    {
        auto* button = wtest::windowButton (w, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        pump (80);
    }

    static PregledBazeKosovnica* billBrowser (ArtikelManager& manager)
    {
        return dynamic_cast<PregledBazeKosovnica*> (manager.getTabs()->getTabContentComponent (kBillTab));
    }

    /** The line editor the bill browser has open, or null. */
    static VindorWindow* lineEditorWindow (ArtikelManager& manager)
    {
        auto* bill = billBrowser (manager);
        return bill != nullptr ? dynamic_cast<VindorWindow*> (bill->currentChild.get()) : nullptr;
    }

    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (database.file(), sql); }

    /** Picks the entry on the read-only plan the editor's picker row opens. */
    static void pickOnPlan (KosovnicaEdit& editor, int pickedId)
    {
        auto* row = wtest::findChild<ArtikelButtonPropertyComponent> (editor);
        ASSERT_NE (row, nullptr);
        auto* button = wtest::findChild<juce::TextButton> (*row);
        ASSERT_NE (button, nullptr);
        button->triggerClick();
        pump (150);
        auto* viewerWindow = dynamic_cast<VindorWindow*> (row->currentChild.get());
        ASSERT_NE (viewerWindow, nullptr);
        auto* viewer = dynamic_cast<SkladisceViewer*> (viewerWindow->getAction());
        ASSERT_NE (viewer, nullptr);
        ASSERT_NE (viewer->getCanvas(), nullptr);
        Artikel* tile = nullptr;
        for (auto* t : viewer->getCanvas()->getArtikli())
            if (t->getHramba().id == pickedId)
                tile = t;
        ASSERT_NE (tile, nullptr);
        tile->mouseDown (wtest::mouseAt (*tile, 20, 20));
        tile->mouseUp (wtest::mouseAt (*tile, 20, 20));
        pump (150);
        EXPECT_EQ (row->currentChild.get(), nullptr) << "the viewer closes after the pick";
        EXPECT_EQ (editor.getHramba().id, pickedId);
    }

    /** Adds one line through the editor, as the Insert buttons do; the component is picked on
        the plan or handed to the editor as the picker would. */
    void addLine (ArtikelManager& manager, int pickedId, double pieces, bool onPlan = false)
    {
        press (*window, TRANS ("Insert"));
        auto* editorWindow = lineEditorWindow (manager);
        ASSERT_NE (editorWindow, nullptr);
        EXPECT_EQ (editorWindow->getTitle(), TRANS ("KosovnicaEdit"));
        auto* editor = dynamic_cast<KosovnicaEdit*> (editorWindow->getAction());
        ASSERT_NE (editor, nullptr);
        if (onPlan)
            pickOnPlan (*editor, pickedId);
        else
            editor->setIDN (entry (pickedId), 1);
        EXPECT_EQ (editor->getImeValue().toString(), entry (pickedId).artikel.ime);
        editor->getSlider()->getSlider().setValue (pieces, juce::sendNotificationSync);
        press (*editorWindow, TRANS ("Insert"));
        pump (80);
        EXPECT_EQ (lineEditorWindow (manager), nullptr) << "the editor closes after the line was booked";
    }

    optest::StandInWorkstation workstation;
    wtest::RecordingOpener opener;
    vtest::ScriptedAnswerer answers;
    VindorWindow* window = nullptr;
    int product = 0, component = 0, wine = 0;
};

TEST_F (ArtikelManagerDb, BottledWineHasFiveTabsOtherArticlesFour)
{
    const auto all = lines ({ TRANS ("ArtikelManager_zaloga"), TRANS ("ArtikelManager_details"), TRANS ("ArtikelManager_kosovnica"),
                                  TRANS ("ArtikelManager_kompozicija"), TRANS ("ArtikelManager_prodaja") });
    auto* bottled = open (wine);
    EXPECT_EQ (tabNames (*bottled), all);
    EXPECT_EQ (bottled->getName(), TRANS ("ArtikelManager"));
    window->closeKW();
    pump();

    auto withoutComposition = all;
    withoutComposition.remove (3);
    EXPECT_EQ (tabNames (*open (product)), withoutComposition);
}

TEST_F (ArtikelManagerDb, InsertWhereTheTabHasNoSuchActionOnlySaysSo)
{
    auto* manager = open (product);
    const int windows = wtest::openWindowCount();
    press (*window, TRANS ("Insert"));
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].title, TRANS ("Insert"));
    EXPECT_EQ (answers.asked[0].message,
               TRANS ("ArtikelManager_zaloga") + " " + TRANS ("gumb nima akcije") + " " + TRANS ("Insert"));
    EXPECT_EQ (wtest::openWindowCount(), windows);
    EXPECT_EQ (manager->currentChild.get(), nullptr);
    EXPECT_EQ (window->isVisible(), true) << "the manager stays open";
}

TEST_F (ArtikelManagerDb, TheBillTabRefusesProductsOnInvoicesAndArticlesOfOtherKinds)
{
    run ("INSERT INTO racun(id) VALUES (900)");
    run ("INSERT INTO postavka(racun,tip,artikel,link,kolicina) VALUES (900,1," + juce::String (kKarton) + "," + juce::String (product) + ",1)");
    struct Case
    {
        int entryId;
        const char* message;
    } cases[] = { { product, "kosovnica_add_postavke_problem" }, { wine, "kosovnica_add_not_drugo" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.message);
        answers.asked.clear();
        auto* manager = open (c.entryId);
        clickTab (*manager, kBillTab);
        press (*window, TRANS ("Insert"));
        ASSERT_EQ (answers.asked.size(), 1u);
        EXPECT_EQ (answers.asked[0].title, TRANS ("ArtikelManager_kosovnica"));
        EXPECT_EQ (answers.asked[0].message, TRANS (c.message));
        EXPECT_EQ (lineEditorWindow (*manager), nullptr);
        window->closeKW();
        pump();
    }
    EXPECT_EQ (rows ("SELECT COUNT(*) FROM pkosovnica"), lines ({ "0" }));
}

TEST_F (ArtikelManagerDb, TheSliderAllowsWhatTheComponentsStockGivesPerProductPiece)
{
    const int empty = addEntry (kDrugo, kKarton, 0, 0, 0);
    struct Case
    {
        int productEntry;
        double maximum;
    } cases[] = { { product, 2.0 }, { empty, 7.0 } };
    for (const auto& c : cases)
    {
        auto* bill = createKosovnicaBrowser (entry (c.productEntry));
        KosovnicaEdit editor (bill);
        editor.setIDN (entry (component), 1);
        EXPECT_DOUBLE_EQ (editor.getSlider()->getSlider().getMaximum(), c.maximum);
        EXPECT_EQ (editor.getImeValue().toString(), "Zamasek");
        EXPECT_EQ (editor.getSkladisceValue().toString(), "Glavno");
        delete bill;
    }
}

TEST_F (ArtikelManagerDb, LinesAddedFromOneBrowserGoIntoOneBillThatTheTabShows)
{
    KosovnicaAdd::setClock ([] {
        DateTime t;
        t = "2026-12-11 09:30:00";
        return t;
    });
    auto* manager = open (product);
    clickTab (*manager, kBillTab);
    auto* bill = billBrowser (*manager);
    ASSERT_NE (bill, nullptr);
    EXPECT_EQ (bill->getNumRows(), 0);

    addLine (*manager, component, 1);
    ASSERT_EQ (bill->getNumRows(), 1) << "the tab shows the bill its first line made";
    addLine (*manager, component, 1);

    const int made = storedInt ("SELECT kosovnica FROM hramba WHERE id=" + juce::String (product));
    EXPECT_GE (made, 2);
    EXPECT_EQ (rows ("SELECT COUNT(*) FROM kosovnica WHERE id>=2"), lines ({ "1" }));
    EXPECT_EQ (rows ("SELECT kosovnica,artikel,CAST(stevilo AS INTEGER) FROM pkosovnica"),
               lines ({ juce::String (made) + "|" + juce::String (kZamasek) + "|2" }));
    EXPECT_EQ (storedInt ("SELECT stevilo FROM hramba WHERE id=" + juce::String (component)), 1);
    ASSERT_EQ (bill->getNumRows(), 1);
    EXPECT_EQ (bill->rowAt (0)->getStringAttribute ("stevilo").getDoubleValue(), 2.0);
}

TEST_F (ArtikelManagerDb, PrintOpensTheDialogForTheStorageTabAndTheTabReloadsAfterIt)
{
    auto* manager = open (product);
    press (*window, TRANS ("Print"));
    auto* dialog = manager->getPrintDialog();
    ASSERT_NE (dialog, nullptr);
    auto& settings = dialog->getSettings();
    EXPECT_EQ (settings.getString ("title"), "report");
    EXPECT_EQ (settings.getString ("printname"), "report");

    press (*window, TRANS ("Print"));   // a second dialog does not open
    EXPECT_EQ (manager->getPrintDialog(), dialog);

    auto* storage = manager->currentBrowser();
    ASSERT_NE (storage, nullptr);
    run ("UPDATE hramba SET stevilo=5 WHERE id=" + juce::String (product));
    auto* dialogWindow = dynamic_cast<VindorWindow*> (manager->currentChild.get());
    ASSERT_NE (dialogWindow, nullptr);
    press (*dialogWindow, TRANS ("Cancel"));
    pump (80);
    EXPECT_EQ (manager->getPrintDialog(), nullptr);
    ASSERT_GE (storage->getNumRows(), 1);
    EXPECT_EQ (storage->rowAt (0)->getStringAttribute ("stevilo").getIntValue(), 5) << "the tab shows fresh data";
}

TEST_F (ArtikelManagerDb, PrintOnTheStorageTabReachesTheCupsQueue)
{
    const juce::File pdfFolder = vtest::cupsPdfFolderOrSkip();
    if (pdfFolder == juce::File())
        return;
    auto* manager = open (product);
    press (*window, TRANS ("Print"));
    auto* dialog = manager->getPrintDialog();
    ASSERT_NE (dialog, nullptr);
    auto& settings = dialog->getSettings();
    settings.getValue ("printer") = vtest::cupsTestQueue();
    const juce::String title = "manager-" + juce::Uuid().toString();
    settings.getValue ("title") = title;
    ASSERT_TRUE (dialog->printAction()) << dialog->errorMessage;
    const juce::File pdf = vtest::waitForCupsPdf (pdfFolder, title);
    ASSERT_TRUE (pdf.existsAsFile()) << "the queue wrote no PDF of the storage table";
    vtest::TempFolder temp;
    EXPECT_GE (vtest::renderPages (pdf, temp.get(), "p", 20).size(), 1);
}

TEST_F (ArtikelManagerDb, FromATileOnThePlanToABillLine)
{
    wtest::RecordingOpener board;
    auto* plan = dynamic_cast<VindorWindow*> (launchSkladisceEditor ("Zaloge", nullptr, &board));
    ASSERT_NE (plan, nullptr);
    auto* editor = dynamic_cast<SkladisceEditor*> (plan->getAction());
    ASSERT_NE (editor, nullptr);
    auto* combo = wtest::findChild<juce::ComboBox> (*editor);
    ASSERT_NE (combo, nullptr);
    combo->setSelectedId (kGlavno + 1, juce::sendNotificationSync);
    pump (100);
    ASSERT_NE (editor->getCanvas(), nullptr);
    Artikel* tile = nullptr;
    for (auto* t : editor->getCanvas()->getArtikli())
        if (t->getHramba().id == product)
            tile = t;
    ASSERT_NE (tile, nullptr);

    tile->mouseDoubleClick (wtest::mouseAt (*tile, 20, 20, 2));
    pump (100);
    window = dynamic_cast<VindorWindow*> (tile->currentChild.get());
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), TRANS ("ArtikelManager") + " Karton");
    auto* manager = dynamic_cast<ArtikelManager*> (window->getAction());
    ASSERT_NE (manager, nullptr);

    clickTab (*manager, 1);
    clickTab (*manager, 3);
    clickTab (*manager, kBillTab);
    addLine (*manager, component, 2, true);
    auto* bill = billBrowser (*manager);
    ASSERT_EQ (bill->getNumRows(), 1);
    EXPECT_EQ (bill->rowAt (0)->getStringAttribute ("ime"), "Zamasek");
    EXPECT_EQ (storedInt ("SELECT stevilo FROM hramba WHERE id=" + juce::String (component)), 1);
}
} // namespace
