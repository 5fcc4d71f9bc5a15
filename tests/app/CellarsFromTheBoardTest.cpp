// Cellars kept from the main board the way a person does it, under a real X server: "Kleti" on a
// database without cellars, a cellar added, two vessels added (the second placed beside the first
// and scrolled to), one dragged and lowered, the window closed and opened again on the same
// cellar, zoom and scroll. A picture of the window over a cellar of several vessels is written
// for a look by eye.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/KletAdd.h"
#include "cellar/gui/KletAddPosoda.h"
#include "support/BoardWiring.h"

using namespace celltest;

namespace
{
class CellarsFromTheBoard : public CellarWindowFixture
{
protected:
    void SetUp() override
    {
        CellarWindowFixture::SetUp();
        board = wtest::openWiredBoard();
    }

    void TearDown() override
    {
        wtest::closeWiredBoard (board);
        Posoda::pictures = nullptr;
        CellarWindowFixture::TearDown();
    }

    KletEditor* openFromBoard()
    {
        window = wtest::openFromBoard (*board, "Kleti");
        return window != nullptr ? dynamic_cast<KletEditor*> (window->getAction()) : nullptr;
    }

    void press (VindorWindow& w, const juce::String& caption)
    {
        auto* button = wtest::windowButton (w, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        wtest::pump (120);
    }

    /** Adds a vessel through "Insert" as a person types it. */
    void addVessel (KletEditor& editor, const juce::String& label, const juce::String& litres)
    {
        press (*window, "Insert");
        auto* dialogWindow = dynamic_cast<VindorWindow*> (editor.currentChild.get());
        ASSERT_NE (dialogWindow, nullptr);
        EXPECT_EQ (dialogWindow->getTitle(), "Dodaj posodo");
        auto* dialog = dynamic_cast<KletAddPosoda*> (dialogWindow->getAction());
        ASSERT_NE (dialog, nullptr);
        dialog->getRows().oznaka = label;
        dialog->getRows().volumen = litres;
        press (*dialogWindow, "Save");
        wtest::pump (150);
    }

    std::unique_ptr<MainContentComponent> board;
    VindorWindow* window = nullptr;
    vtest::ScriptedAnswerer answers;
};

/** The application's vessel pictures, read from the resources folder. */
juce::Drawable* resourcePicture (int index)
{
    static juce::OwnedArray<juce::Drawable> pictures;
    if (pictures.isEmpty())
        for (auto* name : { "buck2.svg", "cisterna.svg", "cisterna2.svg", "buck.svg", "plavnik.svg", "nomblot.svg", "jajce.svg" })
            pictures.add (juce::Drawable::createFromImageFile (juce::File (VINDORO_SOURCE_DIR).getChildFile ("resources").getChildFile (name)).release());
    return pictures[index];
}
} // namespace

TEST_F (CellarsFromTheBoard, ACellarWithTwoVesselsKeptFromTheBoard)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET active=0; UPDATE klet SET active=0"));
    auto* editor = openFromBoard();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (window->getTitle(), "Kleti");
    EXPECT_EQ (editor->getChooser().getNumItems(), 0);

    editor->getAddButton()->triggerClick();
    wtest::pump (100);
    auto* cellarWindow = dynamic_cast<VindorWindow*> (editor->currentChild.get());
    ASSERT_NE (cellarWindow, nullptr);
    dynamic_cast<KletAdd*> (cellarWindow->getAction())->getImeValue() = "Spodnja klet";
    press (*cellarWindow, "Save");
    wtest::pump (150);
    ASSERT_NE (editor->getKlet(), nullptr);
    const int cellar = editor->getKletId();
    EXPECT_EQ (editor->getKlet()->getIme(), "Spodnja klet");

    window->setSize (520, 420);
    editor->getZoomSlider().setValue (20.0, juce::sendNotificationSync);
    addVessel (*editor, "S1", "500");
    addVessel (*editor, "S2", "1000");
    ASSERT_EQ (editor->getKlet()->getNumPosode(), 2);
    auto* first = vesselOf (*editor, value ("SELECT id FROM posoda WHERE oznaka='S1'").getIntValue());
    const int secondId = value ("SELECT id FROM posoda WHERE oznaka='S2'").getIntValue();
    auto* second = vesselOf (*editor, secondId);
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);
    // Side by side at the top, the second right of the first; the view scrolled towards it.
    EXPECT_EQ (first->getY(), second->getY());
    EXPECT_GT (second->getX(), first->getRight());
    EXPECT_GT (editor->getViewport().getViewPosition().x, 0);
    EXPECT_EQ (count ("SELECT COUNT(*) FROM glavna WHERE opravilo=18"), 2);

    // Drag the second left and down, over the first, and lower it behind the first.
    const auto placed = second->getPosition();
    drag (*second, { 130, 30 }, { 30, 45 });
    const auto dragged = second->getPosition();
    EXPECT_EQ (dragged, placed + juce::Point<int> (-100, 15));
    editor->getLowerButton()->triggerClick();
    wtest::pump();
    EXPECT_EQ (editor->getKlet()->getIndexOfChildComponent (second), 0);
    const auto scroll = editor->getViewport().getViewPosition();
    press (*window, "Close");
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (value ("SELECT pozz FROM posoda WHERE oznaka='S2'"), "0");
    EXPECT_EQ (rows ("SELECT pozx,pozy FROM posoda WHERE oznaka='S2'"),
               juce::StringArray ({ juce::String (dragged.x * 0.5, 1) + "|" + juce::String (dragged.y * 0.5, 1) }));

    editor = openFromBoard();
    ASSERT_NE (editor, nullptr);
    window->setSize (520, 420);
    wtest::pump (150);
    EXPECT_EQ (editor->getKletId(), cellar);
    EXPECT_DOUBLE_EQ (editor->getZoomSlider().getValue(), 20.0);
    EXPECT_EQ (editor->getViewport().getViewPosition(), scroll);
    auto* again = vesselOf (*editor, secondId);
    ASSERT_NE (again, nullptr);
    EXPECT_EQ (again->getPosition(), dragged);
    EXPECT_EQ (editor->getKlet()->getIndexOfChildComponent (again), 0);
}

TEST_F (CellarsFromTheBoard, TheWindowOverACellarOfSeveralVessels)
{
    Posoda::pictures = resourcePicture;
    ASSERT_TRUE (exec ("UPDATE posoda SET tip=3, pozx=0, pozy=0 WHERE id=5; UPDATE posoda SET tip=2, pozx=120 WHERE id=6;"
                       "UPDATE posoda SET tip=8, pozx=240, pozy=0 WHERE id=7; UPDATE posoda SET tip=6, pozx=0, pozy=120 WHERE id=8;"
                       "INSERT INTO posoda(id,klet,volumen,oznaka,tip,pozx,pozy) VALUES (12,1,300,'Sod 3',5,120,120),(13,1,800,'Nomblot',7,240,120)"));
    auto* editor = openFromBoard();
    ASSERT_NE (editor, nullptr);
    window->setSize (760, 560);
    editor->getZoomSlider().setValue (17.0, juce::sendNotificationSync);
    wtest::pump (200);
    const auto image = window->createComponentSnapshot (window->getLocalBounds(), true, 1.0f);
    const auto path = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vindoro-cellar-window.png").getFullPathName();
    ASSERT_TRUE (wtest::writePng (image, path));
    EXPECT_EQ (editor->getKlet()->getNumPosode(), 6);
}
