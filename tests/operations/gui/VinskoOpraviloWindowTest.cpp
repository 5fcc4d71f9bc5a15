// The wine-care window from the main board under a real X server: the vessel picked through the
// cellar viewer, a loss typed, OK; a refused save keeps the window open with its reason.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "operations/gui/VinskoOpravilo.h"
#include "widgets/VindorPropertyPanel.h"
#include "support/BoardWiring.h"

using namespace celltest;

namespace
{
constexpr int kWineCareCode = 3;

class WineCareFromTheBoard : public CellarWindowFixture
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
        CellarWindowFixture::TearDown();
    }

    VinskoOpravilo* openFromBoard()
    {
        window = wtest::openFromBoard (*board, "Opravilo");
        return window != nullptr ? dynamic_cast<VinskoOpravilo*> (window->getAction()) : nullptr;
    }

    /** Picks the vessel through the cellar viewer the vessel row opens. */
    void pickVessel (VinskoOpravilo& care, int id)
    {
        auto* row = wtest::findChild<PosodaButtonPropertyComponent> (care);
        ASSERT_NE (row, nullptr);
        auto* button = wtest::findChild<juce::TextButton> (*row);
        ASSERT_NE (button, nullptr);
        button->triggerClick();
        wtest::pump (150);
        auto* picker = row->currentChild.get();
        ASSERT_NE (picker, nullptr);
        auto* viewer = dynamic_cast<KletGUI*> (picker->getAction());
        ASSERT_NE (viewer, nullptr);
        auto* vessel = vesselOf (*viewer, id);
        ASSERT_NE (vessel, nullptr);
        clickVessel (*vessel);
        wtest::pump (100);
    }

    void pressOk()
    {
        auto* ok = wtest::windowButton (*window, "OK");
        ASSERT_NE (ok, nullptr);
        ok->triggerClick();
        wtest::pump (150);
    }

    std::unique_ptr<MainContentComponent> board;
    VindorWindow* window = nullptr;
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (WineCareFromTheBoard, PickedVesselLosesTheTypedLitresAndTheWindowCloses)
{
    const int entriesBefore = entries();
    auto* care = openFromBoard();
    ASSERT_NE (care, nullptr);
    EXPECT_EQ (window->getTitle(), "Opravilo");
    EXPECT_NE (wtest::windowButton (*window, "Cancel"), nullptr);

    // OK without a vessel: the window stays with the reason
    answers.then (1);
    pressOk();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.startsWith ("Error occured: Posoda ni izbrana")) << answers.asked[0].message;
    EXPECT_EQ (entries(), entriesBefore);

    pickVessel (*care, 6);
    EXPECT_EQ (care->getPosoda (1).id, 6);
    EXPECT_TRUE (care->getPanel().isSectionOpen (VinskoOpravilo::declarationSection)) << "vessel 6 is declared";
    EXPECT_EQ (care->cena.toString(), "2.50");
    EXPECT_EQ ((int) care->ddv.getValue(), 7);

    // a negative price is refused and nothing is written
    care->kalo = "1.25";
    care->cena = "-1";
    answers.then (1);
    pressOk();
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_TRUE (answers.asked[1].message.startsWith ("Error occured: Cena artikla ni podana!")) << answers.asked[1].message;
    EXPECT_EQ (entries(), entriesBefore);
    ASSERT_NE (board->getOpenWindow (2), nullptr);

    care->cena = "2.50";
    care->opombe = "bentonit";
    pressOk();
    EXPECT_EQ (answers.asked.size(), 2u);
    EXPECT_EQ (board->getOpenWindow (2), nullptr);
    EXPECT_EQ (rows ("SELECT opravilo || '|' || opomba FROM glavna ORDER BY id DESC LIMIT 1").joinIntoString ("\n"), "30|bentonit");
    EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM kalo"), juce::StringArray ({ "8|1.25" }));
    EXPECT_EQ (rows ("SELECT posoda,vino,printf('%.2f',volumen) FROM vinopravilo"), juce::StringArray ({ "6|8|300.00" }));
    EXPECT_EQ (value ("SELECT printf('%.2f',volumen) FROM zaloga WHERE posoda=6"), "298.75");
    // the declaration section was left as the vessel had it: no new declaration row
    EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=6"), "20");
}

TEST_F (WineCareFromTheBoard, ScreenshotWithItsSectionsOpen)
{
    auto* care = openFromBoard();
    ASSERT_NE (care, nullptr);
    pickVessel (*care, 6);
    for (int s = 0; s <= VinskoOpravilo::analysisSection; ++s)
        care->getPanel().setSectionOpen (s, true);
    window->setSize (520, 1400);
    wtest::pump (100);
    const auto image = window->createComponentSnapshot (window->getLocalBounds());
    const auto out = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vindoro-wine-care-window.png");
    out.deleteFile();
    juce::FileOutputStream stream (out);
    juce::PNGImageFormat().writeImageToStream (image, stream);
    EXPECT_GT (image.getWidth(), 0);
}
