// The warehouse window's base through a small window of the test's own, on screen under Xvfb: the
// view kept per warehouse in the settings, the keys reaching the canvas and the viewport following
// the focus, the buttons (only bringing an open child forward), a tile dragged with the mouse, and
// the zoom slider.
#include "frame/LookAndFeel_Vindor.h"
#include "support/WindowTestParts.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/PlanFixture.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceGUI.h"

#include <gtest/gtest.h>

using namespace plantest;
using wtest::pump;

namespace
{
// The least a warehouse window adds to the base: a chooser that loads what it selects, four
// buttons, and the editor's writes before each action.
class PlanWindow : public SkladisceGUI,
                   public juce::ComboBox::Listener
{
public:
    explicit PlanWindow (bool editing = true) : editing (editing)
    {
        combo.addListener (this);
        addAndMakeVisible (combo);
        makeButtons ({ "Uredi", "Dodaj", "Razporedi", "Prenosnice" });
        setSize (700, 500);
    }

    void editSkladisce() override { calls.add ("edit"); }
    void addSkladisce() override { calls.add ("add"); }
    void arrangeArtikli() override
    {
        calls.add ("arrange");
        if (canvas != nullptr)
            canvas->arrangeAll();
    }
    void savePositions() override
    {
        calls.add ("save");
        if (canvas != nullptr)
            canvas->updateNewPositionsToDB();
    }
    void comboBoxChanged (juce::ComboBox*) override { show (combo.getSelectedId() - 1); }
    void resized() override
    {
        SkladisceGUI::resized();
        combo.setBounds (30, 0, 200, viewportTop - 2);
        for (int i = 0; i < 4; ++i)
            if (auto* b = getButton (i + 1))
                b->setBounds (240 + 90 * i, 0, 85, viewportTop - 2);
    }

    void show (int id)
    {
        SkladisceRecord record;
        record.id = id;
        showPlan (record, nullptr, editing);
    }
    void setChild (KWindow* child) { childWindow = child; }
    /** Paints once, as the screen would: the saved view is applied at the first paint after a load. */
    void paintNow() { wtest::snapshot (*this); }

    bool editing;
    juce::StringArray calls;
};

// Keeps the window on the desktop so focus and mouse work as on screen.
// The X server's focus event arrives some time after the window asked for focus, and when it is
// handled the window takes the focus back from whatever child holds it then. So the helper drops
// the focus and waits until that event has given it back: a tile clicked later keeps its focus.
struct OnScreen
{
    explicit OnScreen (juce::Component& c) : component (c)
    {
        c.addToDesktop (juce::ComponentPeer::windowIsTemporary);
        c.setVisible (true);
        c.toFront (true);
        juce::Component::unfocusAllComponents();
        for (int waited = 0; waited < 5000 && ! c.hasKeyboardFocus (true); waited += 20)
            pump (20);
        pump (50);
    }
    ~OnScreen() { component.removeFromDesktop(); }
    juce::Component& component;
};

void press (juce::Component& window, int keyCode)
{
    auto* peer = window.getPeer();
    ASSERT_NE (peer, nullptr);
    peer->handleKeyPress (juce::KeyPress (keyCode));
    pump (20);
}

void mouse (juce::ComponentPeer& peer, juce::Point<int> p, bool down, juce::int64 at)
{
    using Source = juce::MouseInputSource;
    peer.handleMouseEvent (Source::InputSourceType::mouse, p.toFloat(),
                           down ? juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier) : juce::ModifierKeys(),
                           Source::defaultPressure, Source::defaultOrientation, at);
}

/** Presses at `from` on the target, moves to `to` in steps and releases there (both in the
    target's coordinates before the drag), as the window system delivers a drag. */
void drag (juce::Component& target, juce::Point<int> from, juce::Point<int> to)
{
    auto* peer = target.getPeer();
    ASSERT_NE (peer, nullptr);
    const auto start = peer->getComponent().getLocalPoint (&target, from);
    const auto end = peer->getComponent().getLocalPoint (&target, to);
    static juce::int64 clock = juce::Time::currentTimeMillis();
    clock += 5000;   // never a double click
    mouse (*peer, start, false, clock);
    mouse (*peer, start, true, clock + 10);
    for (int step = 1; step <= 4; ++step)
        mouse (*peer, start + (end - start) * step / 4, true, clock + 10 + 20 * step);
    mouse (*peer, end, false, clock + 120);
    pump (50);
}

class PlanWindowDb : public PlanDb
{
protected:
    void TearDown() override { wtest::closeOpenWindows(); }

    /** Entries spread far enough that the plan scrolls. */
    void addSpreadEntries()
    {
        addEntry (kGlavno, kKarton, 1, 0, 0);
        addEntry (kGlavno, kZamasek, 2, 1500, 1200);
        addEntry (kDrugo, kFrankinja, 3, 0, 0);
        addEntry (kDrugo, kKarton, 3, 1800, 1400);
    }
};
} // namespace

TEST_F (PlanWindowDb, ViewIsKeptPerWarehouse)
{
    addSpreadEntries();
    {
        PlanWindow window;
        OnScreen screen (window);
        window.show (kGlavno);
        window.paintNow();
        EXPECT_DOUBLE_EQ (window.getZoomSlider().getValue(), 10.0);   // first opening
        EXPECT_EQ (window.getViewport().getViewPosition(), juce::Point<int> (0, 0));

        window.getZoomSlider().setValue (7.5, juce::sendNotificationSync);
        window.getViewport().setViewPosition (300, 120);
        window.prepareToClose();   // as the framework does when the window closes
    }
    EXPECT_DOUBLE_EQ (settings().getDoubleValue (SkladisceGUI::zoomKey (kGlavno)), 7.5);
    EXPECT_EQ (settings().getIntValue (SkladisceGUI::viewXKey (kGlavno)), 300);
    EXPECT_EQ (settings().getIntValue (SkladisceGUI::viewYKey (kGlavno)), 120);
    EXPECT_EQ (settings().getIntValue (SkladisceGUI::kIdKey), kGlavno);

    PlanWindow again;
    OnScreen screen (again);
    EXPECT_EQ (again.getSkladisce().id, kGlavno);   // the last warehouse comes back
    again.show (kGlavno);
    EXPECT_DOUBLE_EQ (again.getZoomSlider().getValue(), 7.5);
    EXPECT_FLOAT_EQ (again.getCanvas()->getZoom(), 7.5f);
    again.paintNow();
    EXPECT_EQ (again.getViewport().getViewPosition(), juce::Point<int> (300, 120));

    // switching: the view of the warehouse left is saved under its own id
    again.getZoomSlider().setValue (12.0, juce::sendNotificationSync);
    again.getViewport().setViewPosition (200, 50);
    again.show (kDrugo);
    EXPECT_EQ (settings().getIntValue (SkladisceGUI::viewXKey (kGlavno)), 200);
    EXPECT_EQ (settings().getIntValue (SkladisceGUI::viewYKey (kGlavno)), 50);
    EXPECT_DOUBLE_EQ (settings().getDoubleValue (SkladisceGUI::zoomKey (kGlavno)), 12.0);
    EXPECT_EQ (settings().getIntValue (SkladisceGUI::kIdKey), kDrugo);
    EXPECT_FALSE (settings().containsKey (SkladisceGUI::zoomKey (kDrugo)));
    again.paintNow();
    EXPECT_EQ (again.getViewport().getViewPosition(), juce::Point<int> (0, 0));
    EXPECT_DOUBLE_EQ (again.getZoomSlider().getValue(), 10.0);

    // the slider's minimum is stored as 10
    again.getZoomSlider().setValue (1.0, juce::sendNotificationSync);
    again.prepareToClose();
    EXPECT_DOUBLE_EQ (settings().getDoubleValue (SkladisceGUI::zoomKey (kDrugo)), 10.0);
}

TEST_F (PlanWindowDb, WarehouseListFillsTheChooserAndLoadsTheChosenOne)
{
    addSpreadEntries();
    run ("INSERT INTO skladisce(id,ime,konsig,active) VALUES (4,'Zaprto',1,0)");
    settings().setValue (SkladisceGUI::kIdKey, kDrugo);
    PlanWindow window;
    window.setArraySkladisca();
    EXPECT_EQ (window.getNames(), juce::StringArray ({ "Glavno", "Prazno", "Drugo" }));
    EXPECT_EQ (window.getCombo().getSelectedId(), kDrugo + 1);
    pump (50);   // the chooser's change arrives later and loads the plan
    ASSERT_NE (window.getCanvas(), nullptr);
    EXPECT_EQ (window.getCanvas()->getSkladisce().ime, "Drugo");

    // asking again rebuilds the plan of the same warehouse: a new canvas
    const juce::Component::SafePointer<juce::Component> before (window.getCanvas());
    window.setArraySkladisca();
    pump (50);
    EXPECT_EQ (before.getComponent(), nullptr);
    ASSERT_NE (window.getCanvas(), nullptr);
    EXPECT_EQ (window.getCanvas()->getSkladisce().id, kDrugo);
}

TEST_F (PlanWindowDb, KeysReachTheCanvasAndTheViewFollows)
{
    addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 2, 2000, 0);
    addEntry (kGlavno, kFrankinja, 3, 0, 110);
    PlanWindow window;
    {
        // without a canvas no key is handled
        EXPECT_FALSE (window.keyPressed (juce::KeyPress (juce::KeyPress::upKey)));
    }
    OnScreen screen (window);
    window.show (kGlavno);
    window.paintNow();
    auto* canvas = window.getCanvas();
    const auto& tiles = canvas->getArtikli();
    ASSERT_EQ (tiles.size(), 3);
    EXPECT_EQ (canvas->getCurrent(), tiles[2]);
    EXPECT_TRUE (tiles[2]->hasKeyboardFocus (false));
    EXPECT_TRUE (tiles[2]->isSelected());

    press (window, juce::KeyPress::upKey);
    EXPECT_EQ (canvas->getCurrent(), tiles[0]);
    EXPECT_TRUE (tiles[0]->isSelected());
    EXPECT_FALSE (tiles[2]->isSelected());

    press (window, juce::KeyPress::rightKey);   // far to the right: the view follows
    EXPECT_EQ (canvas->getCurrent(), tiles[1]);
    const auto view = window.getViewport().getViewArea();
    EXPECT_TRUE (view.contains (tiles[1]->getBounds())) << view.toString();

    press (window, juce::KeyPress::leftKey);
    EXPECT_EQ (canvas->getCurrent(), tiles[0]);
    press (window, juce::KeyPress::tabKey);   // Tab walks right as well
    EXPECT_EQ (canvas->getCurrent(), tiles[1]);
    press (window, juce::KeyPress::leftKey);
    press (window, juce::KeyPress::downKey);
    EXPECT_EQ (canvas->getCurrent(), tiles[2]);

    // Return answers like a click; a key the plan does not use is left to others
    EXPECT_TRUE (window.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_FALSE (window.keyPressed (juce::KeyPress ('a')));
    EXPECT_FALSE (window.keyPressed (juce::KeyPress (juce::KeyPress::downKey)));   // nothing below
}

TEST_F (PlanWindowDb, ScrollToFocusedFollowsItsRules)
{
    addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 2, 450, 100);
    addEntry (kGlavno, kFrankinja, 3, 1500, 1500);
    PlanWindow window;
    const int bar = window.getViewport().getScrollBarThickness();   // both bars show on this plan
    window.setSize (500 + bar + 2, defaultRowHeight() + 2 + 400 + bar);
    OnScreen screen (window);
    window.show (kGlavno);
    window.paintNow();
    auto& viewport = window.getViewport();
    ASSERT_EQ (viewport.getViewArea().getWidth(), 500);
    ASSERT_EQ (viewport.getViewArea().getHeight(), 400);
    viewport.setViewPosition (0, 0);

    window.getCanvas()->getArtikli()[1]->grabKeyboardFocus();
    EXPECT_TRUE (SkladisceGUI::scrollToFocused (viewport));
    EXPECT_EQ (viewport.getViewPosition(), juce::Point<int> (0, 0));   // dx 50 dropped, dy -200 kept at 0

    window.getCanvas()->getArtikli()[2]->grabKeyboardFocus();
    EXPECT_TRUE (SkladisceGUI::scrollToFocused (viewport));
    // asked for (1500, 1500), kept inside the plan of 1620 x 1620
    EXPECT_EQ (viewport.getViewPosition(), juce::Point<int> (1120, 1220));
    EXPECT_TRUE (viewport.getViewArea().contains (window.getCanvas()->getArtikli()[2]->getBounds()));
}

TEST_F (PlanWindowDb, ButtonsActOnlyWhileNoChildIsOpen)
{
    addSpreadEntries();
    PlanWindow window;
    EXPECT_FALSE (window.getButton (1)->isEnabled());   // no plan yet
    EXPECT_FALSE (window.getZoomSlider().isEnabled());
    window.show (kGlavno);
    EXPECT_TRUE (window.getButton (1)->isEnabled());
    EXPECT_TRUE (window.getZoomSlider().isEnabled());
    EXPECT_FALSE (window.getButton (4)->isEnabled());   // the transfer-note list is not there yet

    window.buttonClicked (window.getButton (1));
    window.buttonClicked (window.getButton (2));
    window.buttonClicked (window.getButton (3));
    EXPECT_EQ (window.calls, juce::StringArray ({ "save", "edit", "save", "add", "save", "arrange" }));

    wtest::RecordingOpener opener;
    auto* child = VindorWindow::launchNormal ("Otrok", new wtest::RecordingContent(), nullptr, &opener);
    window.setChild (child);
    window.calls.clear();
    for (int b = 1; b <= 3; ++b)
        window.buttonClicked (window.getButton (b));
    EXPECT_TRUE (window.calls.isEmpty());
    pump (30);
    EXPECT_TRUE (child->isOnDesktop());
}

TEST_F (PlanWindowDb, DraggedTileReachesTheDatabaseAtTheNextAction)
{
    const int id = addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 2, 110, 0);
    addEntry (kGlavno, kFrankinja, 3, 400, 300);   // the plan is as large as its tiles: room to drag into
    PlanWindow window;
    OnScreen screen (window);
    window.show (kGlavno);
    auto* tile = window.getCanvas()->getArtikli()[0];

    drag (*tile, { 50, 50 }, { 250, 200 });
    EXPECT_EQ (tile->getPosition(), juce::Point<int> (200, 150));
    EXPECT_TRUE (tile->isMoved());
    EXPECT_EQ (window.getCanvas()->getCurrent(), tile);
    EXPECT_EQ (storedPosition (id), "0,0,0");

    window.buttonClicked (window.getButton (1));   // any action writes first
    EXPECT_EQ (storedPosition (id), "200,150,0");
}

TEST_F (PlanWindowDb, DragInAReadOnlyWindowOnlyMakesTheTileCurrent)
{
    const int id = addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 2, 110, 0);
    PlanWindow window (false);
    OnScreen screen (window);
    window.show (kGlavno);
    auto* tile = window.getCanvas()->getArtikli()[0];
    EXPECT_NE (window.getCanvas()->getCurrent(), tile);

    drag (*tile, { 50, 50 }, { 250, 200 });
    EXPECT_EQ (tile->getPosition(), juce::Point<int> (0, 0));
    EXPECT_FALSE (tile->isMoved());
    EXPECT_EQ (window.getCanvas()->getCurrent(), tile);
    EXPECT_TRUE (tile->hasKeyboardFocus (false));
    window.buttonClicked (window.getButton (1));
    EXPECT_EQ (storedPosition (id), "0,0,0");
}

TEST_F (PlanWindowDb, ZoomSliderRescalesAtOnce)
{
    addEntry (kGlavno, kKarton, 1, 220, 110);
    PlanWindow window;
    OnScreen screen (window);
    window.show (kGlavno);
    auto& slider = window.getZoomSlider();
    auto* tile = window.getCanvas()->getArtikli()[0];

    // drag the slider's thumb down (a vertical slider grows upwards)
    const juce::Point<int> thumb (slider.getWidth() / 2, (int) slider.getPositionOfValue (slider.getValue()));
    drag (slider, thumb, thumb + juce::Point<int> (0, 15));
    const double z = slider.getValue();
    EXPECT_LT (z, 10.0);
    EXPECT_FLOAT_EQ (window.getCanvas()->getZoom(), (float) z);
    EXPECT_EQ (tile->getWidth(), (int) ((double) (float) z * 10.0));
    EXPECT_FALSE (settings().containsKey (SkladisceGUI::zoomKey (kGlavno)));   // stored only on close
}

TEST_F (PlanWindowDb, DoubleClickOpensOneManagerWhoseAnswerRebuildsThePlan)
{
    addEntry (kGlavno, kKarton, 1, 0, 0);
    wtest::RecordingContent* opened = nullptr;
    int made = 0;
    Artikel::setManagerFactory ([&] (const Hramba& entry) -> VindorWindowAction* {
        ++made;
        EXPECT_EQ (entry.artikel.id, kKarton);
        return opened = new wtest::RecordingContent();
    });
    PlanWindow window;
    OnScreen screen (window);
    window.show (kGlavno);
    auto* tile = window.getCanvas()->getArtikli()[0];

    tile->mouseDoubleClick (wtest::mouseAt (*tile, 20, 20, 2));
    ASSERT_NE (tile->currentChild.get(), nullptr);
    auto* manager = dynamic_cast<VindorWindow*> (tile->currentChild.get());
    ASSERT_NE (manager, nullptr);
    EXPECT_EQ (manager->getTitle(), TRANS ("ArtikelManager") + " Karton");
    EXPECT_NE (wtest::windowButton (*manager, TRANS ("Close")), nullptr);
    EXPECT_NE (wtest::windowButton (*manager, TRANS ("Print")), nullptr);
    EXPECT_NE (wtest::windowButton (*manager, TRANS ("Insert")), nullptr);

    tile->mouseDoubleClick (wtest::mouseAt (*tile, 20, 20, 2));   // one manager per tile
    EXPECT_EQ (made, 1);

    window.calls.clear();
    opened->notifyKWindowListener();   // the manager reports back
    EXPECT_EQ (window.calls, juce::StringArray ({ "save" }));
    pump (80);   // the chooser's change reloads the plan; the manager closes
    EXPECT_EQ (wtest::openWindowCount(), 0);
    ASSERT_NE (window.getCanvas(), nullptr);
    EXPECT_EQ (window.getCanvas()->getArtikli().size(), 1);
    Artikel::setManagerFactory (nullptr);
}
