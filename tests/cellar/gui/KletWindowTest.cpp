// The cellar window with the message loop running: the cellar chooser, the remembered cellar,
// zoom and scroll, the cellar and vessel buttons, and the picking view.
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/KletAdd.h"
#include "core/Globals.h"

using namespace celltest;

namespace
{
class KletWindow : public CellarWindowFixture
{
protected:
    KletEditor* open (int width = 900, int height = 700)
    {
        window = dynamic_cast<VindorWindow*> (launchKletEditor ("Kleti", &opener, &opener));
        window->setSize (width, height);
        wtest::pump (100);
        return dynamic_cast<KletEditor*> (window->getAction());
    }

    void press (const juce::String& caption)
    {
        auto* button = wtest::windowButton (*window, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        wtest::pump (80);
    }

    CellarOpener opener;
    VindorWindow* window = nullptr;
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (KletWindow, WithoutACellarEveryVesselActionSaysSoAndACellarCanBeAdded)
{
    ASSERT_TRUE (exec ("UPDATE klet SET active=0"));
    auto* editor = open();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getChooser().getNumItems(), 0);
    EXPECT_EQ (editor->getChooser().getTextWhenNoChoicesAvailable(), "Ni nobene kleti!");
    EXPECT_EQ (editor->getKlet(), nullptr);
    for (int code : { 3, 4, 5, 6, 7, 12 })
    {
        SCOPED_TRACE (code);
        editor->errorMessage.clear();
        EXPECT_FALSE (editor->buttonAction (code));
        EXPECT_EQ (editor->errorMessage, "Ni nobene kleti!");
    }
    EXPECT_FALSE (editor->getEditButton()->isEnabled());
    EXPECT_FALSE (editor->getZoomSlider().isEnabled());
    ASSERT_TRUE (editor->getAddButton()->isEnabled());

    editor->getAddButton()->triggerClick();
    wtest::pump (80);
    auto* dialogWindow = dynamic_cast<VindorWindow*> (editor->currentChild.get());
    ASSERT_NE (dialogWindow, nullptr);
    EXPECT_EQ (dialogWindow->getTitle(), "Dodaj klet");
    auto* dialog = dynamic_cast<KletAdd*> (dialogWindow->getAction());
    ASSERT_NE (dialog, nullptr);
    dialog->getImeValue() = "Spodnja klet";
    wtest::windowButton (*dialogWindow, "Save")->triggerClick();
    wtest::pump (150);

    EXPECT_EQ (editor->currentChild.get(), nullptr);
    ASSERT_EQ (editor->getChooser().getNumItems(), 1);
    EXPECT_EQ (editor->getChooser().getText(), "Spodnja klet");
    ASSERT_NE (editor->getKlet(), nullptr);
    EXPECT_EQ (editor->getKlet()->getIme(), "Spodnja klet");
    EXPECT_TRUE (editor->getEditButton()->isEnabled());
}

TEST_F (KletWindow, TheRememberedCellarIsShownUnlessItWasRemoved)
{
    for (bool removed : { false, true })
    {
        SCOPED_TRACE (removed ? "removed" : "active");
        settings().setValue ("KletGUI:id", 2);
        if (removed)
            ASSERT_TRUE (exec ("UPDATE klet SET active=0 WHERE id=2"));
        auto* editor = open();
        ASSERT_NE (editor->getKlet(), nullptr);
        EXPECT_EQ (editor->getKletId(), removed ? 1 : 2);
        EXPECT_EQ (editor->getChooser().getSelectedId(), editor->getKletId() + 1);
        EXPECT_EQ (settings().getIntValue ("KletGUI:id"), editor->getKletId());
        press ("Close");
        EXPECT_EQ (wtest::openWindowCount(), 0);
    }
}

TEST_F (KletWindow, ZoomAndScrollAreRememberedPerCellarAndZoomOneComesBackAsTen)
{
    auto* editor = open();
    ASSERT_EQ (editor->getKletId(), 1);
    EXPECT_EQ (editor->getZoomSlider().getMinimum(), 1.0);
    EXPECT_EQ (editor->getZoomSlider().getMaximum(), 30.0);
    editor->getZoomSlider().setValue (1.0, juce::sendNotificationSync);
    EXPECT_EQ (vesselOf (*editor, 6)->getWidth(), 10);
    press ("Close");
    EXPECT_DOUBLE_EQ (settings().getDoubleValue ("KletGUI:zoom.1"), 10.0);

    editor = open (500, 400);
    EXPECT_DOUBLE_EQ (editor->getZoomSlider().getValue(), 10.0);
    editor->getZoomSlider().setValue (25.0, juce::sendNotificationSync);
    wtest::pump();
    editor->getViewport().setViewPosition (300, 40);
    const auto scrolled = editor->getViewport().getViewPosition();
    ASSERT_GT (scrolled.x, 0);
    press ("Close");
    EXPECT_DOUBLE_EQ (settings().getDoubleValue ("KletGUI:zoom.1"), 25.0);
    EXPECT_EQ (settings().getIntValue ("KletGUI:viewport.x.1"), scrolled.x);
    EXPECT_EQ (settings().getIntValue ("KletGUI:viewport.y.1"), scrolled.y);

    // Another cellar starts at its own defaults; the first comes back as it was left.
    editor = open (500, 400);
    EXPECT_EQ (editor->getViewport().getViewPosition(), scrolled);
    editor->getChooser().setSelectedId (3, juce::sendNotificationSync);
    EXPECT_DOUBLE_EQ (editor->getZoomSlider().getValue(), 10.0);
    editor->getChooser().setSelectedId (2, juce::sendNotificationSync);
    wtest::pump (100);
    EXPECT_DOUBLE_EQ (editor->getZoomSlider().getValue(), 25.0);
    EXPECT_EQ (editor->getViewport().getViewPosition(), scrolled);
}

TEST_F (KletWindow, OnlyAnEmptyVesselIsRemovedAndTheRemovalIsBooked)
{
    auto* editor = open();
    clickVessel (*vesselOf (*editor, 6));
    ASSERT_EQ (editor->getKlet()->getSelectedPosoda().id, 6);
    answers.then (1);
    press ("Delete");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, "posoda se polna ne brisem");
    EXPECT_EQ (value ("SELECT active FROM posoda WHERE id=6"), "1");

    clickVessel (*vesselOf (*editor, 5));
    const int entriesBefore = entries();
    answers.then (0);   // Cancel
    press ("Delete");
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_EQ (answers.asked[1].message, "Zelis izbrisati posodo A izbrisati v kleti Klet?");
    EXPECT_EQ (answers.asked[1].buttons.size(), 2u);
    EXPECT_EQ (value ("SELECT active FROM posoda WHERE id=5"), "1");

    answers.then (1);   // OK
    press ("Delete");
    wtest::pump (100);
    EXPECT_EQ (value ("SELECT active FROM posoda WHERE id=5"), "0");
    ASSERT_EQ (entries(), entriesBefore + 1);
    const auto entry = rows ("SELECT id,opravilo FROM glavna ORDER BY id DESC LIMIT 1")[0];
    EXPECT_TRUE (entry.endsWith ("|18")) << entry;
    EXPECT_EQ (rows ("SELECT posoda,smer FROM prenosposode WHERE glavna=" + entry.upToFirstOccurrenceOf ("|", false, false)),
               juce::StringArray ({ "5|2" }));
    EXPECT_EQ (vesselOf (*editor, 5), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 1);
}

TEST_F (KletWindow, RaisingAVesselWritesOnlyItsStackingWhenTheWindowCloses)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET pozz=0 WHERE id IN (5,7,8); UPDATE posoda SET pozx=240 WHERE id=7; UPDATE posoda SET pozx=360 WHERE id=8"));
    auto* editor = open();
    auto* vessel = vesselOf (*editor, 7);
    clickVessel (*vessel);
    editor->getRaiseButton()->triggerClick();
    wtest::pump();
    EXPECT_EQ (editor->getKlet()->getIndexOfChildComponent (vessel), editor->getKlet()->getNumChildComponents() - 1);
    const auto before = rows ("SELECT id,pozz FROM posoda WHERE id<>7 ORDER BY id");
    press ("Close");
    EXPECT_EQ (rows ("SELECT id,pozz FROM posoda WHERE id<>7 ORDER BY id"), before);
    EXPECT_EQ (value ("SELECT pozz FROM posoda WHERE id=7"), "3");
}

TEST_F (KletWindow, OnlyAnEmptyCellarIsDeleted)
{
    auto* editor = open();
    answers.then (1);
    editor->getDeleteButton()->triggerClick();
    wtest::pump();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, "Klet ni prazna za brisanje");
    EXPECT_EQ (value ("SELECT active FROM klet WHERE id=1"), "1");

    editor->getChooser().setSelectedId (3, juce::sendNotificationSync);
    ASSERT_EQ (editor->getKletId(), 2);
    answers.then (1);
    editor->getDeleteButton()->triggerClick();
    wtest::pump (100);
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_EQ (answers.asked[1].message, "vprasanje brisi kletDruga?");
    EXPECT_EQ (value ("SELECT active FROM klet WHERE id=2"), "0");
    EXPECT_EQ (editor->getChooser().getNumItems(), 1);
    EXPECT_EQ (editor->getKletId(), 1);

    // The last cellar gone, nothing stays on show that could take new vessels.
    ASSERT_TRUE (exec ("UPDATE posoda SET active=0"));
    press ("Refresh");
    answers.then (1);
    editor->getDeleteButton()->triggerClick();
    wtest::pump (100);
    EXPECT_EQ (value ("SELECT active FROM klet WHERE id=1"), "0");
    EXPECT_EQ (editor->getChooser().getNumItems(), 0);
    EXPECT_EQ (editor->getKlet(), nullptr);
}

TEST_F (KletWindow, TheViewerAnswersTheFirstClickOnAVessel)
{
    opener.clearButtons();
    opener.addButton ("Close", 0);
    auto* viewer = new KletViewer();
    auto* viewWindow = VindorWindow::launchNormal ("Posoda", viewer, &opener, &opener);
    wtest::pump (100);
    ASSERT_NE (viewer->getKlet(), nullptr);
    EXPECT_EQ (opener.answers, 0);   // the vessel selected at load sends nothing
    auto* vessel = vesselOf (*viewer, 5);
    drag (*vessel, { 10, 10 }, { 60, 60 });
    wtest::pump (60);
    EXPECT_EQ (opener.answers, 1);
    EXPECT_EQ (viewWindow->getExitValue(), ButtonCode::select);
    EXPECT_EQ (viewer->getKlet()->getSelectedPosoda().id, 5);
    EXPECT_EQ (vessel->getPosition(), juce::Point<int> (0, 0));   // nothing moves in the viewer
}
