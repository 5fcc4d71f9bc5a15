// The wines of a vessel opened by a double click on the cellar canvas: what the list shows and in
// which order, the journal of all wines or of one, one window per vessel, and the list kept open
// while it reports a saved change. One list rendered to look at.
#include "cellar/CellarFixture.h"
#include "cellar/gui/Klet.h"
#include "cellar/gui/Posoda.h"
#include "operations/gui/DnevnikVino.h"
#include "operations/gui/PregledBazeVino.h"
#include "operations/gui/UrediZalog.h"
#include "operations/gui/VnosZalog.h"
#include "core/TextHelpers.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"

using vindoro::Litres;

namespace
{
class PregledBazeVinoTest : public celltest::CellarFixture
{
protected:
    void SetUp() override
    {
        CellarFixture::SetUp();
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        ASSERT_TRUE (exec ("INSERT INTO stranka(id,ime,drzava) VALUES (40,'Kmetija Novak',185);"
                           "INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (30,'Na bregu',40,'',185,1);"
                           "UPDATE vino SET parcela=30 WHERE id=8"));
    }

    void TearDown() override
    {
        juce::LocalisedStrings::setCurrentMappings (nullptr);
        wtest::closeOpenWindows();
        canvas.reset();
        CellarFixture::TearDown();
    }

    /** Double-clicks vessel `id` on the canvas and returns it. */
    Posoda* doubleClick (int id)
    {
        if (canvas == nullptr)
        {
            canvas = std::make_unique<Klet> (1, nullptr, 10.0f);
            canvas->setSize (600, 450);
            canvas->loadPosode();
        }
        for (int i = 0; i < canvas->getNumPosode(); ++i)
            if (auto* p = canvas->getPosodaAt (i); p->getPosoda().id == id)
            {
                p->mouseDoubleClick (wtest::mouseAt (*p, 20, 20, 2));
                wtest::pump();
                return p;
            }
        return nullptr;
    }

    static PregledBazeVino* listOf (Posoda& vessel)
    {
        auto* window = vessel.currentChild.get();
        return window != nullptr ? dynamic_cast<PregledBazeVino*> (window->getAction()) : nullptr;
    }

    std::unique_ptr<Klet> canvas;
};
} // namespace

TEST_F (PregledBazeVinoTest, ADoubleClickListsTheVesselsWinesLargestFirst)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(vino,posoda,volumen) VALUES (9,7,0)"));
    auto* vessel = doubleClick (7);
    ASSERT_NE (vessel, nullptr);
    auto* list = listOf (*vessel);
    ASSERT_NE (list, nullptr);
    auto* window = vessel->currentChild.get();
    EXPECT_TRUE (dynamic_cast<VindorWindow*> (window)->getName().endsWith (" C"));
    // Wine 9 lies there with nothing: neither listed nor counted in the shares.
    ASSERT_EQ (list->getNumRows(), 2);
    const auto first = PregledBazeVino::interpretXml (list->rowAt (0));
    const auto second = PregledBazeVino::interpretXml (list->rowAt (1));
    EXPECT_EQ (first.id, 10);
    EXPECT_DOUBLE_EQ (first.volumen, 100.0);
    EXPECT_NEAR (first.razmerje, 100.0 * 100.0 / 150.5, 1e-9);
    EXPECT_EQ (second.id, 8);
    EXPECT_NEAR (first.razmerje + second.razmerje, 100.0, 1e-9);
    EXPECT_EQ (first.parcela.id, 1) << "a wine without a parcel row is listed with parcel 1";
    EXPECT_EQ (second.parcela.ime, "Na bregu");
    EXPECT_EQ (second.parcela.vinogradnik.ime, "Kmetija Novak");
    EXPECT_EQ (list->vinoIds (true), "(8,10)");

    auto& c = *dynamic_cast<juce::Component*> (list);
    c.setSize (700, 160);
    wtest::pump();
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (c), juce::File::getCurrentWorkingDirectory()
                                                          .getChildFile ("screenshots/wine-list.png").getFullPathName()));

    // A second double click while the list is open opens nothing more.
    const auto windows = wtest::openWindowCount();
    doubleClick (7);
    EXPECT_EQ (vessel->currentChild.get(), window);
    EXPECT_EQ (wtest::openWindowCount(), windows);
}

TEST_F (PregledBazeVinoTest, TheJournalOfAllWinesOrOfTheDoubleClickedOne)
{
    auto* vessel = doubleClick (7);
    ASSERT_NE (vessel, nullptr);
    auto* list = listOf (*vessel);
    ASSERT_NE (list, nullptr);
    juce::Component::SafePointer<juce::Component> listAlive (dynamic_cast<juce::Component*> (list));
    auto* listWindow = dynamic_cast<VindorWindow*> (vessel->currentChild.get());
    ASSERT_NE (listWindow, nullptr);

    wtest::windowButton (*listWindow, TRANS ("ZgodovinaVina"))->triggerClick();
    wtest::pump();
    auto* journalWindow = dynamic_cast<VindorWindow*> (list->currentChild.get());
    ASSERT_NE (journalWindow, nullptr);
    auto* journal = dynamic_cast<DnevnikVino*> (journalWindow->getAction());
    ASSERT_NE (journal, nullptr);
    EXPECT_EQ (journal->vinoIds, "(8,10)");
    EXPECT_EQ (journal->getPosoda (1).id, 7);
    // While it is open the list's buttons do nothing.
    EXPECT_TRUE (list->buttonAction (ButtonCode::history));
    EXPECT_EQ (list->currentChild.get(), journalWindow);
    wtest::windowButton (*journalWindow, TRANS ("Close"))->triggerClick();
    wtest::pump (60);
    ASSERT_NE (listAlive.getComponent(), nullptr) << "closing the journal leaves the list";
    EXPECT_EQ (list->currentChild.get(), nullptr);
    EXPECT_EQ (vessel->currentChild.get(), listWindow);

    // A double click is a click first: the browser answers Select to the vessel, which keeps its list.
    auto& table = list->getTable();
    table.selectRow (1);
    list->cellClicked (1, 1, wtest::mouseAt (table, 5, 5, 2));
    wtest::pump (60);
    ASSERT_NE (listAlive.getComponent(), nullptr);
    EXPECT_EQ (vessel->currentChild.get(), listWindow);
    ASSERT_NE (list->currentChild.get(), nullptr);
    journal = dynamic_cast<DnevnikVino*> (list->currentChild->getAction());
    ASSERT_NE (journal, nullptr);
    EXPECT_EQ (journal->vinoIds, "(8)");
    EXPECT_EQ (journal->getPosoda (1).id, -1);
}

TEST_F (PregledBazeVinoTest, ClickingAWineKeepsTheListOpenForEdit)
{
    auto* vessel = doubleClick (7);
    ASSERT_NE (vessel, nullptr);
    auto* list = listOf (*vessel);
    ASSERT_NE (list, nullptr);
    juce::Component::SafePointer<juce::Component> listAlive (dynamic_cast<juce::Component*> (list));
    auto* listWindow = dynamic_cast<VindorWindow*> (vessel->currentChild.get());
    ASSERT_NE (listWindow, nullptr);

    // A real click on the first row, then Return: both answer Select to the vessel.
    auto& table = list->getTable();
    auto* rowComponent = table.getComponentForRowNumber (0);
    ASSERT_NE (rowComponent, nullptr);
    rowComponent->mouseDown (wtest::mouseAt (*rowComponent, 10, 5));
    rowComponent->mouseUp (wtest::mouseAt (*rowComponent, 10, 5));
    wtest::pump (60);
    ASSERT_NE (listAlive.getComponent(), nullptr) << "a click on a wine took the list away";
    EXPECT_EQ (listWindow->getExitValue(), ButtonCode::select);
    EXPECT_EQ (vessel->currentChild.get(), listWindow);
    ASSERT_NE (list->getSelectedRow(), nullptr);
    list->returnKeyPressed (0);
    wtest::pump (60);
    ASSERT_NE (listAlive.getComponent(), nullptr);

    // The clicked wine is the one Edit opens.
    wtest::windowButton (*listWindow, TRANS ("Edit"))->triggerClick();
    wtest::pump();
    ASSERT_NE (list->currentChild.get(), nullptr);
    auto* editor = dynamic_cast<UrediZalog*> (list->currentChild->getAction());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getVino (1).id, 10);
}

TEST_F (PregledBazeVinoTest, TheVesselKeepsTheListWhileItReportsASavedChange)
{
    auto* vessel = doubleClick (6);
    ASSERT_NE (vessel, nullptr);
    auto* window = vessel->currentChild.get();
    ASSERT_NE (window, nullptr);
    window->setExitValue (ButtonCode::refresh);
    window->notifyListener();
    wtest::pump();
    EXPECT_EQ (vessel->currentChild.get(), window);
    window->setExitValue (ButtonCode::select);
    window->notifyListener();
    wtest::pump();
    EXPECT_EQ (vessel->currentChild.get(), window) << "Select is a click on a wine, no answer to the vessel";
    window->setExitValue (ButtonCode::ok);
    window->notifyListener();
    wtest::pump (60);
    EXPECT_EQ (vessel->currentChild.get(), nullptr);
}

TEST_F (PregledBazeVinoTest, EditAndEntryBookAndTheListStaysOpenWithTheNewLitres)
{
    auto* vessel = doubleClick (7);
    ASSERT_NE (vessel, nullptr);
    auto* list = listOf (*vessel);
    ASSERT_NE (list, nullptr);
    auto* listWindow = vessel->currentChild.get();

    // Edit the 100 l wine down to 60 and save with the window's own button.
    list->getTable().selectRow (0);
    wtest::pump();
    auto* bar = dynamic_cast<VindorWindow*> (listWindow);
    ASSERT_NE (bar, nullptr);
    ASSERT_NE (wtest::windowButton (*bar, TRANS ("Edit")), nullptr);
    wtest::windowButton (*bar, TRANS ("Edit"))->triggerClick();
    wtest::pump();
    auto* editorWindow = dynamic_cast<VindorWindow*> (list->currentChild.get());
    ASSERT_NE (editorWindow, nullptr);
    auto* editor = dynamic_cast<UrediZalog*> (list->currentChild->getAction());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (Litres::fromStoredDouble (parseDecimal2 (editor->kolicina.toString())), Litres::fromHundredths (10000));
    editor->kolicina = "60";
    wtest::windowButton (*editorWindow, TRANS ("Save"))->triggerClick();
    wtest::pump (60);
    EXPECT_EQ (list->currentChild.get(), nullptr);
    EXPECT_EQ (vessel->currentChild.get(), listWindow) << "the list reported 12 and stays open";
    EXPECT_EQ (listWindow->getExitValue(), ButtonCode::refresh);
    ASSERT_EQ (list->getNumRows(), 2);
    EXPECT_DOUBLE_EQ (PregledBazeVino::interpretXml (list->rowAt (0)).volumen, 60.0);
    EXPECT_EQ (value ("SELECT printf('%.2f',volumen) FROM razknjizenjevino"), "40.00");

    // Enter 40 l of a new vintage.
    wtest::windowButton (*bar, TRANS ("VnosZalog"))->triggerClick();
    wtest::pump();
    auto* formWindow = dynamic_cast<VindorWindow*> (list->currentChild.get());
    ASSERT_NE (formWindow, nullptr);
    auto* form = dynamic_cast<VnosZalog*> (list->currentChild->getAction());
    ASSERT_NE (form, nullptr);
    SortaRecord red;
    red.id = 2;
    form->setSortaIDN (red, 1);
    form->letnik = "2019";
    form->kolicina = "40";
    wtest::windowButton (*formWindow, TRANS ("Save"))->triggerClick();
    wtest::pump (60);
    EXPECT_EQ (list->currentChild.get(), nullptr);
    ASSERT_EQ (list->getNumRows(), 3);
    EXPECT_EQ (rows ("SELECT v.letnik,printf('%.2f',s.volumen) FROM starovino AS s JOIN vino AS v ON v.id=s.vino"),
               juce::StringArray ({ "2019|40.00" }));
}
