// The harvest and transfer windows from the main board under a real X server: vessels picked
// through the cellar viewer, amounts typed, OK; a refused save keeps the window open with its
// reason and writes nothing. Also the three wine windows drawn with every section open, for a
// look by eye.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "operations/WineBookingFixture.h"
#include "operations/gui/Pretok.h"
#include "operations/gui/Trgatev.h"
#include "operations/gui/VinskoOpravilo.h"
#include "widgets/VindorPropertyPanel.h"
#include "support/BoardWiring.h"

using namespace celltest;

namespace
{
constexpr int kHarvestCode = 1, kTransferCode = 2, kWineCareCode = 3;

class WineWindowsFromTheBoard : public CellarWindowFixture
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

    /** Clicks the board's button and returns the window's content; index is the button's place. */
    template <typename Content>
    Content* openFromBoard (const juce::String& label)
    {
        index = wtest::boardButtonIndex (*board, label);
        window = wtest::openFromBoard (*board, label);
        return window != nullptr ? dynamic_cast<Content*> (window->getAction()) : nullptr;
    }

    bool windowIsOpen() { return board->getOpenWindow (index) != nullptr; }

    /** Moves the slider of that row to the litres, as a drag does. */
    static void slide (VolumeSliderPropertyComponent& row, double litres)
    {
        row.getSlider().setValue (litres, juce::sendNotificationSync);
        wtest::pump (30);
    }

    void pressOk()
    {
        auto* ok = wtest::windowButton (*window, "OK");
        ASSERT_NE (ok, nullptr);
        ok->triggerClick();
        wtest::pump (150);
    }

    /** Opens every section, makes the window tall enough for all of them and writes its picture. */
    void screenshot (VindorPropertyPanel& panel, int sections, const juce::String& name)
    {
        for (int s = 0; s < sections; ++s)
            panel.setSectionOpen (s, true);
        window->setSize (820, 1700);
        wtest::pump (150);
        const auto path = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile (name).getFullPathName();
        EXPECT_TRUE (wtest::writePng (wtest::snapshot (*window), path)) << path;
    }

    std::unique_ptr<MainContentComponent> board;
    VindorWindow* window = nullptr;
    int index = -1;
    vtest::ScriptedAnswerer answers;
};

SortaRecord variety (int id, const juce::String& name)
{
    SortaRecord s;
    s.id = id;
    s.sorta = name;
    s.active = true;
    return s;
}
} // namespace

TEST_F (WineWindowsFromTheBoard, HarvestBooksTheTypedMustIntoThePickedVessel)
{
    const int entriesBefore = entries();
    auto* harvest = openFromBoard<Trgatev> ("Trgatev");
    ASSERT_NE (harvest, nullptr);
    EXPECT_EQ (window->getTitle(), "Trgatev");
    EXPECT_NE (wtest::windowButton (*window, "Cancel"), nullptr);

    answers.then (1);
    pressOk();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.startsWith ("Error occured: Posoda ni izbrana")) << answers.asked[0].message;
    EXPECT_TRUE (windowIsOpen());

    celltest::pickVessel (*harvest, 5, "Cistern label in");
    EXPECT_EQ (harvest->getPosoda (1).id, 5);
    EXPECT_FALSE (harvest->getPanel().isSectionOpen (Trgatev::declarationSection)) << "vessel 5 is empty and undeclared";
    harvest->getVarietyRow().setIDN (variety (3, "Sauvignon"));
    ParcelaRecord parcel;
    parcel.id = 2;
    parcel.ime = "Pod hribom";
    harvest->getParcelRow().setIDN (parcel);
    wtest::typeIntoRow (*harvest, "Letnik", "2025");
    wtest::typeIntoRow (*harvest, "Quantity grapes", "1200");
    slide (harvest->getMustRow(), 800.5);

    // No grapes: refused, the window stays and nothing is written.
    wtest::typeIntoRow (*harvest, "Quantity grapes", "0");
    answers.then (1);
    pressOk();
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_TRUE (answers.asked[1].message.startsWith ("Error occured: Masa grozdja ni dolocena")) << answers.asked[1].message;
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (entries(), entriesBefore);

    wtest::typeIntoRow (*harvest, "Quantity grapes", "1200");
    wtest::typeIntoRow (*harvest, "Opombe", "prva trgatev");
    pressOk();
    EXPECT_EQ (answers.asked.size(), 2u);
    EXPECT_FALSE (windowIsOpen());
    EXPECT_EQ (rows ("SELECT opravilo || '|' || opomba FROM glavna ORDER BY id DESC LIMIT 1").joinIntoString ("\n"), "1|prva trgatev");
    const auto wine = value ("SELECT id FROM vino WHERE parcela=2 AND sorta=3 AND letnik=2025");
    ASSERT_TRUE (wine.isNotEmpty());
    EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM zaloga WHERE posoda=5"), juce::StringArray ({ wine + "|800.50" }));
    EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen),active FROM trgatev"), juce::StringArray ({ wine + "|1200.00|1" }));
}

TEST_F (WineWindowsFromTheBoard, TransferRacksThePickedSourceIntoThePickedTarget)
{
    const int entriesBefore = entries();
    auto* transfer = openFromBoard<Pretok> ("Pretok");
    ASSERT_NE (transfer, nullptr);
    EXPECT_EQ (window->getTitle(), "Pretok vina");

    // Vessel 8 holds 1200 l of white wine; vessel 5 is empty.
    celltest::pickVessel (*transfer, 8, "Cistern label out");
    EXPECT_FALSE (transfer->getVolumeRow().isEnabled()) << "no target yet";
    celltest::pickVessel (*transfer, 5, "Cistern label in");
    EXPECT_EQ (transfer->getPosoda (1).id, 8);
    EXPECT_EQ (transfer->getPosoda (2).id, 5);
    EXPECT_TRUE (transfer->getVolumeRow().isEnabled());
    EXPECT_TRUE (transfer->getKaloRow().isEnabled());

    // Nothing to transfer: refused, nothing written.
    answers.then (1);
    pressOk();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.startsWith ("Error occured: Volumen pretoka ni dolocen")) << answers.asked[0].message;
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (entries(), entriesBefore);

    slide (transfer->getKaloRow(), 2.5);
    slide (transfer->getVolumeRow(), 500);
    transfer->ddv = 7;   // the empty target has no VAT of its own to offer
    wtest::typeIntoRow (*transfer, "Cena izdelka", "3.20");
    pressOk();
    EXPECT_EQ (answers.asked.size(), 1u) << answers.asked.back().message;
    EXPECT_FALSE (windowIsOpen());
    EXPECT_EQ (value ("SELECT opravilo FROM glavna ORDER BY id DESC LIMIT 1"), "6");
    EXPECT_EQ (rows ("SELECT posoda,vino,printf('%.2f',volumen) FROM zaloga WHERE posoda IN (5,8) ORDER BY posoda"),
               juce::StringArray ({ "5|7|500.00", "8|7|697.50" }));
    EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM kalo"), juce::StringArray ({ "7|2.50" }));
    EXPECT_EQ (value ("SELECT printf('%.2f',cena) FROM posoda WHERE id=5"), "3.20");
}

TEST_F (WineWindowsFromTheBoard, TransferIntoTheSameVesselIsRefusedAndTheWindowStays)
{
    auto* transfer = openFromBoard<Pretok> ("Pretok");
    ASSERT_NE (transfer, nullptr);
    const auto before = cellarDump();
    celltest::pickVessel (*transfer, 8, "Cistern label out");
    celltest::pickVessel (*transfer, 8, "Cistern label in");
    // A full vessel has no free space for itself, so the slider offers nothing: the volume is set.
    transfer->volumen = 10.0;
    answers.then (1);
    pressOk();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.startsWith ("Error occured: Izvorna in ciljna posoda sta ista")) << answers.asked[0].message;
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (cellarDump(), before);
}

TEST_F (WineWindowsFromTheBoard, ScreenshotsWithTheirSectionsOpen)
{
    if (auto* harvest = openFromBoard<Trgatev> ("Trgatev"))
    {
        celltest::pickVessel (*harvest, 6, "Cistern label in");
        screenshot (harvest->getPanel(), Trgatev::analysisSection + 1, "vindoro-harvest-window.png");
        window->closeKW();
        wtest::pump (100);
    }
    else
        ADD_FAILURE() << "no harvest window";

    if (auto* transfer = openFromBoard<Pretok> ("Pretok"))
    {
        celltest::pickVessel (*transfer, 8, "Cistern label out");
        celltest::pickVessel (*transfer, 6, "Cistern label in");
        screenshot (transfer->getPanel(), Pretok::analysisSection + 1, "vindoro-transfer-window.png");
        window->closeKW();
        wtest::pump (100);
    }
    else
        ADD_FAILURE() << "no transfer window";

    if (auto* care = openFromBoard<VinskoOpravilo> ("Opravilo"))
    {
        celltest::pickVessel (*care, 6, "Cistern label inout");
        screenshot (care->getPanel(), VinskoOpravilo::analysisSection + 1, "vindoro-wine-care-window.png");
    }
    else
        ADD_FAILURE() << "no wine-care window";
}

TEST_F (WineWindowsFromTheBoard, HarvestVintageOutsideItsRangeIsWarnedAndTakenBack)
{
    auto* harvest = openFromBoard<Trgatev> ("Trgatev");
    ASSERT_NE (harvest, nullptr);
    const auto thisYear = juce::String (juce::Time::getCurrentTime().getYear());
    EXPECT_EQ (harvest->letnik.toString(), thisYear);

    struct Case { const char* typed; bool accepted; };
    const Case cases[] = { { "0", false }, { "2500", false }, { "-3", false }, { "leto", false },
                           { "1", true }, { "2499", true }, { "2024", true } };
    juce::String last = thisYear;
    size_t warnings = 0;
    for (const auto& c : cases)
    {
        answers.then (1);
        wtest::typeIntoRow (*harvest, "Letnik", c.typed);
        wtest::pump (60);
        if (c.accepted)
            last = c.typed;
        else
            ++warnings;
        EXPECT_EQ (harvest->letnik.toString(), last) << c.typed;
        ASSERT_EQ (answers.asked.size(), warnings) << c.typed;
        if (! c.accepted)
            EXPECT_EQ (answers.asked.back().message, "Vrednost za letnik naj bo med 0 in 2500") << c.typed;
    }
}

TEST_F (WineWindowsFromTheBoard, DeclaredSourceIntoAnUndeclaredTargetAsksWhetherToTakeItsDeclaration)
{
    auto* transfer = openFromBoard<Pretok> ("Pretok");
    ASSERT_NE (transfer, nullptr);
    // Vessel 6 holds 300 l declared Sauvignon 2019; vessel 5 is empty and undeclared.
    celltest::pickVessel (*transfer, 6, "Cistern label out");
    celltest::pickVessel (*transfer, 5, "Cistern label in");
    EXPECT_FALSE (transfer->getPanel().isSectionOpen (Pretok::declarationSection));
    slide (transfer->getVolumeRow(), 100);
    transfer->ddv = 7;

    const auto before = cellarDump();
    answers.then (2);   // No
    answers.then (1);   // and fix the error
    pressOk();
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_EQ (answers.asked[0].message, "Posoda v katero gre nima tipizacije, poberi od prve posode");
    EXPECT_TRUE (answers.asked[1].message.startsWith ("Error occured: Tipizacija ni izbrana")) << answers.asked[1].message;
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (cellarDump(), before);

    answers.then (1);   // Yes
    pressOk();
    ASSERT_EQ (answers.asked.size(), 3u);
    EXPECT_FALSE (windowIsOpen());
    EXPECT_EQ (rows ("SELECT t.sorta,t.letnik,t.kvaliteta FROM posoda p JOIN tipizacija t ON t.id=p.tipizacija WHERE p.id=5"),
               juce::StringArray ({ "3|2019|3" }));
    EXPECT_EQ (rows ("SELECT posoda,vino,printf('%.2f',volumen) FROM zaloga WHERE posoda IN (5,6) ORDER BY posoda"),
               juce::StringArray ({ "5|8|100.00", "6|8|200.00" }));
}

TEST_F (WineWindowsFromTheBoard, AWriteFailingInTheMiddleOfATransferKeepsTheWindowWithItsMessage)
{
    auto* transfer = openFromBoard<Pretok> ("Pretok");
    ASSERT_NE (transfer, nullptr);
    celltest::pickVessel (*transfer, 7, "Cistern label out");   // two red wines
    celltest::pickVessel (*transfer, 5, "Cistern label in");
    slide (transfer->getKaloRow(), 1);
    slide (transfer->getVolumeRow(), 60);
    transfer->ddv = 7;

    const auto before = vtest::dumpTables (file(), optest::wineBookingTables());
    vtest::FaultInjection faults (file(), optest::wineBookingTables());
    faults.failWrite (4);   // the entry, a wine's inflow and outflow, then the next wine
    answers.then (1);
    pressOk();
    faults.failWrite (0);
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.startsWith ("Error occured: belezenje pretok ni uspela")) << answers.asked[0].message;
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (vtest::dumpTables (file(), optest::wineBookingTables()), before);

    pressOk();
    EXPECT_EQ (answers.asked.size(), 1u);
    EXPECT_FALSE (windowIsOpen());
    EXPECT_EQ (value ("SELECT printf('%.2f',SUM(volumen)) FROM zaloga WHERE posoda=5"), "60.00");
}
