// The read-only plan and the two picker rows that open it, on a real database and under Xvfb:
// a tile clicked once is the pick, the row hands it to its owner's mix-in and shows it, a second
// click on the row opens nothing new, and the switch to the stock window and back keeps one window.
#include "frame/VindorWindow.h"
#include "reports/DDV.h"
#include "support/WindowTestParts.h"
#include "warehouse/SkladisceListener.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/ArtikelButtonPropertyComponent.h"
#include "warehouse/gui/PlanFixture.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceButtonPropertyComponent.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "warehouse/gui/SkladisceViewer.h"
#include "widgets/VindorPropertyPanel.h"

#include <gtest/gtest.h>

using namespace plantest;
using wtest::pump;

namespace
{
/** A form with both picker rows, taking what they pick as the bills-of-materials and bottling
    windows do. */
class PickerForm : public juce::Component,
                   public Hramba::Listener,
                   public SkladisceListener
{
public:
    PickerForm()
    {
        artikelRow = new ArtikelButtonPropertyComponent ("Artikel", "Izberi artikel", this);
        skladisceRow = new SkladisceButtonPropertyComponent ("Skladisce", "Izberi skladisce", this);
        panel.addProperties ({ artikelRow, skladisceRow });
        addAndMakeVisible (panel);
        setSize (400, 100);
    }
    void resized() override { panel.setBounds (getLocalBounds()); }
    void setIDN (Hramba entry, int slot) override
    {
        ++entryPicks;
        Hramba::Listener::setIDN (entry, slot);
    }
    void setSkladisceIDN (SkladisceRecord warehouse, int slot) override
    {
        ++warehousePicks;
        SkladisceListener::setSkladisceIDN (warehouse, slot);
    }

    VindorPropertyPanel panel;
    ArtikelButtonPropertyComponent* artikelRow;
    SkladisceButtonPropertyComponent* skladisceRow;
    int entryPicks = 0, warehousePicks = 0;
};

class PlanPickers : public PlanDb
{
protected:
    void SetUp() override
    {
        PlanDb::SetUp();
        karton = addEntry (kGlavno, kKarton, 4, 0, 0);
        zamasek = addEntry (kGlavno, kZamasek, 9, 110, 0);
        settings().setValue (SkladisceGUI::kIdKey, kGlavno);
    }
    void TearDown() override
    {
        wtest::closeOpenWindows();
        delete DDV::getInstanceWithoutCreating();
    }

    /** Clicks the row's button and gives back the plan window it opened. */
    static VindorWindow* clickRow (ArtikelButtonPropertyComponent& row)
    {
        auto* button = wtest::findChild<juce::TextButton> (row);
        if (button == nullptr)
            return nullptr;
        button->triggerClick();
        pump (150);
        return dynamic_cast<VindorWindow*> (row.currentChild.get());
    }
    static SkladisceGUI* planOf (VindorWindow* window)
    {
        return window != nullptr ? dynamic_cast<SkladisceGUI*> (window->getAction()) : nullptr;
    }
    static Artikel* tileOf (SkladisceGUI& plan, int hrambaId)
    {
        if (auto* canvas = plan.getCanvas())
            for (auto* tile : canvas->getArtikli())
                if (tile->getHramba().id == hrambaId)
                    return tile;
        return nullptr;
    }
    static void click (Artikel& tile)
    {
        tile.mouseDown (wtest::mouseAt (tile, 20, 20));
        tile.mouseUp (wtest::mouseAt (tile, 20, 20));
        pump (100);
    }
    static void press (VindorWindow& window, const juce::String& caption)
    {
        auto* button = wtest::windowButton (window, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        pump (150);
    }

    int karton = 0, zamasek = 0;
};
} // namespace

TEST_F (PlanPickers, TheViewerPicksOnOneClickOrReturn)
{
    wtest::RecordingOpener opener;
    opener.addButton ("Close", ButtonCode::cancel);
    opener.addButton ("Select", ButtonCode::select, false, true);
    auto* window = dynamic_cast<VindorWindow*> (launchSkladisceViewer ("Artikel", nullptr, &opener));
    ASSERT_NE (window, nullptr);
    pump (150);
    auto* viewer = dynamic_cast<SkladisceViewer*> (window->getAction());
    ASSERT_NE (viewer, nullptr);
    ASSERT_NE (viewer->getCanvas(), nullptr);
    EXPECT_EQ (viewer->getSkladisce().id, kGlavno);
    EXPECT_FALSE (viewer->getCanvas()->editable);
    EXPECT_EQ (viewer->getButton (1), nullptr);   // nothing to edit or add here

    auto* tile = tileOf (*viewer, karton);
    ASSERT_NE (tile, nullptr);
    click (*tile);
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::select);
    EXPECT_EQ (viewer->getCanvas()->getCurrentHramba().id, karton);
    EXPECT_EQ (tile->getPosition(), juce::Point<int> (0, 0));   // nothing moves on a read-only plan

    // Return on the current tile is the same pick.
    window->setExitValue (ButtonCode::cancel);
    EXPECT_TRUE (viewer->keyPressed (juce::KeyPress (juce::KeyPress::rightKey)));
    EXPECT_TRUE (viewer->keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    pump (100);
    ASSERT_EQ (opener.answers.size(), 2u);
    EXPECT_EQ (opener.answers[1].exitValue, ButtonCode::select);
    EXPECT_EQ (viewer->getCanvas()->getCurrentHramba().id, zamasek);
}

TEST_F (PlanPickers, APickInTheViewerFillsTheOwnerAndTheButtonAndClosesTheViewer)
{
    PickerForm form;
    form.addToDesktop (0);
    form.setVisible (true);

    auto* window = clickRow (*form.artikelRow);
    auto* viewer = dynamic_cast<SkladisceViewer*> (planOf (window));
    ASSERT_NE (viewer, nullptr);
    EXPECT_EQ (window->getTitle(), "Artikel");
    EXPECT_NE (wtest::windowButton (*window, "Close"), nullptr);
    EXPECT_NE (wtest::windowButton (*window, "Editing"), nullptr);
    EXPECT_EQ (wtest::windowButton (*window, "Select"), nullptr);   // action only
    EXPECT_TRUE (window->hasButton (ButtonCode::select));

    // A second click on the row brings the same viewer forward and opens nothing.
    EXPECT_EQ (clickRow (*form.artikelRow), window);
    EXPECT_EQ (wtest::openWindowCount(), 1);

    auto* tile = tileOf (*viewer, zamasek);
    ASSERT_NE (tile, nullptr);
    click (*tile);
    EXPECT_EQ (form.artikelRow->currentChild.get(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (form.entryPicks, 1);
    EXPECT_EQ (form.getHramba().id, zamasek);
    EXPECT_EQ (form.getHramba().artikel.id, kZamasek);
    EXPECT_EQ (form.getHramba().stevilo, 9);
    EXPECT_EQ (form.artikelRow->getButtonText(), "Storage label Glavno artikel label Zamasek");
    EXPECT_EQ (form.warehousePicks, 0);
    EXPECT_EQ (form.skladisceRow->getButtonText(), "Skladisce");

    // A pick from a plan without tiles keeps the owner's entry and says so on the button.
    window = clickRow (*form.artikelRow);
    viewer = dynamic_cast<SkladisceViewer*> (planOf (window));
    ASSERT_NE (viewer, nullptr);
    viewer->getCombo().setSelectedId (kPrazno + 1, juce::sendNotificationSync);
    ASSERT_TRUE (viewer->getCanvas()->getArtikli().isEmpty());
    window->setExitValue (ButtonCode::select);   // as the hidden Select does
    viewer->notifyKWindowListener();
    pump (100);
    EXPECT_EQ (form.artikelRow->currentChild.get(), nullptr);
    EXPECT_EQ (form.entryPicks, 1);
    EXPECT_EQ (form.getHramba().id, zamasek);
    EXPECT_EQ (form.artikelRow->getButtonText(), "Noben artikel ni izbrana!");

    // Close leaves everything as it was.
    window = clickRow (*form.artikelRow);
    ASSERT_NE (window, nullptr);
    press (*window, "Close");
    EXPECT_EQ (form.artikelRow->currentChild.get(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (form.entryPicks, 1);
    form.removeFromDesktop();
}

TEST_F (PlanPickers, TheWarehousePickerGivesTheCombosWarehouseWithoutATile)
{
    PickerForm form;
    auto* window = clickRow (*form.skladisceRow);
    auto* viewer = dynamic_cast<SkladisceViewer*> (planOf (window));
    ASSERT_NE (viewer, nullptr);
    EXPECT_EQ (window->getTitle(), "Skladisce");
    for (auto* caption : { "Close", "Editing", "Select" })
        EXPECT_NE (wtest::windowButton (*window, caption), nullptr) << caption;

    viewer->getCombo().setSelectedId (kDrugo + 1, juce::sendNotificationSync);
    press (*window, "Select");
    EXPECT_EQ (form.skladisceRow->currentChild.get(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (form.warehousePicks, 1);
    EXPECT_EQ (form.getSkladisce().id, kDrugo);
    EXPECT_EQ (form.getSkladisce().ime, "Drugo");
    EXPECT_EQ (form.skladisceRow->getButtonText(), "Drugo");
    EXPECT_EQ (form.entryPicks, 0);   // a warehouse pick is no entry pick

    // A tile clicked in the warehouse picker picks the warehouse it stands in.
    viewer = dynamic_cast<SkladisceViewer*> (planOf (clickRow (*form.skladisceRow)));
    ASSERT_NE (viewer, nullptr);
    viewer->getCombo().setSelectedId (kGlavno + 1, juce::sendNotificationSync);
    auto* tile = tileOf (*viewer, karton);
    ASSERT_NE (tile, nullptr);
    click (*tile);
    EXPECT_EQ (form.skladisceRow->currentChild.get(), nullptr);
    EXPECT_EQ (form.getSkladisce().id, kGlavno);
    EXPECT_EQ (form.skladisceRow->getButtonText(), "Glavno");
}

TEST_F (PlanPickers, ViewerToEditorAndBackKeepsOneWindow)
{
    PickerForm form;
    auto* viewerWindow = clickRow (*form.skladisceRow);
    ASSERT_NE (dynamic_cast<SkladisceViewer*> (planOf (viewerWindow)), nullptr);

    press (*viewerWindow, "Editing");
    pump (100);
    auto* editorWindow = dynamic_cast<VindorWindow*> (form.skladisceRow->currentChild.get());
    ASSERT_NE (editorWindow, nullptr);
    auto* editor = dynamic_cast<SkladisceEditor*> (editorWindow->getAction());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 1);
    EXPECT_EQ (editorWindow->getTitle(), "Skladisce");
    for (auto* caption : { "Close", "Save", "Select" })
        EXPECT_NE (wtest::windowButton (*editorWindow, caption), nullptr) << caption;

    // Save in the editor goes back to the viewer.
    press (*editorWindow, "Save");
    pump (100);
    viewerWindow = dynamic_cast<VindorWindow*> (form.skladisceRow->currentChild.get());
    ASSERT_NE (viewerWindow, nullptr);
    EXPECT_NE (dynamic_cast<SkladisceViewer*> (planOf (viewerWindow)), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 1);

    // The editor picks the warehouse it shows.
    press (*viewerWindow, "Editing");
    pump (100);
    editorWindow = dynamic_cast<VindorWindow*> (form.skladisceRow->currentChild.get());
    editor = dynamic_cast<SkladisceEditor*> (planOf (editorWindow));
    ASSERT_NE (editor, nullptr);
    editor->getCombo().setSelectedId (kPrazno + 1, juce::sendNotificationSync);
    press (*editorWindow, "Select");
    EXPECT_EQ (form.skladisceRow->currentChild.get(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (form.getSkladisce().id, kPrazno);
    EXPECT_EQ (form.skladisceRow->getButtonText(), "Prazno");

    // The article picker's editor has the stock window's buttons; Cancel ends it.
    auto* window = clickRow (*form.artikelRow);
    ASSERT_NE (window, nullptr);
    press (*window, "Editing");
    pump (100);
    editorWindow = dynamic_cast<VindorWindow*> (form.artikelRow->currentChild.get());
    ASSERT_NE (dynamic_cast<SkladisceEditor*> (planOf (editorWindow)), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 1);
    EXPECT_EQ (editorWindow->getTitle(), "Artikel");
    for (auto* caption : { "Cancel", "Edit", "Delete", "Insert" })
        EXPECT_NE (wtest::windowButton (*editorWindow, caption), nullptr) << caption;
    press (*editorWindow, "Cancel");
    EXPECT_EQ (form.artikelRow->currentChild.get(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (form.entryPicks, 0);
}
