// The bottling window under a real X server: the wine quantity, the number of bottles and the loss
// typed into their rows and followed by each other, the price looked up for a picked batch, and
// the whole bottling from the main board with the vessel picked on the cellar viewer, the batch in
// its register and the warehouse on its plan; its picture with every section open, for a look by eye.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "cellar/SerijaStore.h"
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/PregledBazeSerija.h"
#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "partners/gui/PartnerWindows.h"
#include "support/BoardWiring.h"
#include "warehouse/gui/SkladisceButtonPropertyComponent.h"
#include "warehouse/gui/SkladisceViewer.h"
#include "warehouse/gui/Steklenice.h"
#include "widgets/VindorPropertyPanel.h"

#include <cmath>

using namespace celltest;

namespace
{
// The form's rows follow each other through asynchronous value changes.
constexpr int kRowsSettle = 120;
constexpr int kBottlingCode = 4;

class StekleniceWindow : public CellarWindowFixture
{
protected:
    void SetUp() override
    {
        CellarWindowFixture::SetUp();
        // Vessel 8 holds 1200 l of white 2016, vessel 6 red wine at 2.50 with VAT 7; vessel 5 gets 10 l of red 2016. Batch 2
        // of 0.75 l bottles has its article priced 8.40 with VAT 3; batch 3's model has no volume;
        // batch 1 is the placeholder with an article of its own that must never be read.
        ASSERT_TRUE (exec ("INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (2,'Bordo',0.75,7,1),(3,'Prazen',0,7,1);"
                           "INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo,active) VALUES "
                           "(1,'-',2016,2,2,2,0,1),(2,'A',2016,2,2,2,100,1),(3,'B',2017,2,3,2,0,1);"
                           "INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,link2,active) VALUES "
                           "(30,'Placeholder',2,99,4,32,1,1,0,1),(31,'Rdece 2016',2,8.4,3,32,1,2,0,1);"
                           "INSERT INTO zaloga(vino,posoda,volumen) VALUES (8,5,10);"));
    }

    void TearDown() override
    {
        wtest::closeOpenWindows();
        CellarWindowFixture::TearDown();
    }

    SerijaRecord batch (int id)
    {
        SerijaRecord b;
        b.id = id;
        EXPECT_TRUE (SerijaStore::reloadSerija (b, &db));
        return b;
    }

    static SkladisceRecord warehouse()
    {
        SkladisceRecord w;
        w.id = 1;
        w.ime = "Skladisce";
        w.konsig.id = 1;
        return w;
    }

    /** A window of its own, with the vessel and the batch handed over as their pickers do. */
    std::unique_ptr<Steklenice> form (int vessel, int batchId)
    {
        auto w = std::make_unique<Steklenice>();
        w->setVisible (true);
        w->addToDesktop (0);
        if (vessel > 0)
            w->setPosodaIDN (read (vessel), 1);
        if (batchId > 0)
            w->setSerijaIDN (batch (batchId), 1);
        w->setSkladisceIDN (warehouse(), 1);
        wtest::pump (120);
        return w;
    }

    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (StekleniceWindow, QuantityAndBottlesFollowEachOtherByTheBottle)
{
    auto w = form (8, 2);
    EXPECT_EQ (w->stanje.toString(), PosodaOps::getStanjePosode (read (8)));
    EXPECT_DOUBLE_EQ (w->getQuantityRow().getSlider().getMaximum(), 1200);
    EXPECT_DOUBLE_EQ (w->getLossRow().getSlider().getMaximum(), 1200);
    EXPECT_DOUBLE_EQ (w->getBottlesRow().getSlider().getMaximum(), 1600);
    EXPECT_EQ (w->getBatchRow().getSerijaLetnik(), 2016);

    wtest::typeIntoRow (*w, "Wine Quantity", "10", kRowsSettle);
    EXPECT_EQ (w->getBookedBottles(), 13);
    EXPECT_DOUBLE_EQ (w->getBookedQuantity(), 9.75);
    EXPECT_NEAR ((double) w->stevilo.getValue(), 13, 1e-3);
    EXPECT_NEAR ((double) w->kolicina.getValue(), 10, 1e-3) << "the quantity row keeps what was typed";
    EXPECT_NEAR (w->getQuantityRow().getSlider().getValue(), 10, 1e-3);

    wtest::typeIntoRow (*w, "Number of bottles", "20", kRowsSettle);
    EXPECT_NEAR ((double) w->kolicina.getValue(), 15, 1e-3);
    EXPECT_EQ (w->getBookedBottles(), 20);

    // A loss that leaves less room than the bottles need takes bottles off; back to 0 changes nothing.
    wtest::typeIntoRow (*w, "Kalo", "1190", kRowsSettle);
    EXPECT_NEAR ((double) w->stevilo.getValue(), 13, 1e-3);
    EXPECT_DOUBLE_EQ (w->getQuantityRow().getSlider().getMaximum(), 10);
    EXPECT_DOUBLE_EQ (w->getBottlesRow().getSlider().getMaximum(), 13);
    const auto quantity = (double) w->kolicina.getValue();
    wtest::typeIntoRow (*w, "Kalo", "0", kRowsSettle);
    EXPECT_NEAR ((double) w->stevilo.getValue(), 13, 1e-3);
    EXPECT_NEAR ((double) w->kolicina.getValue(), quantity, 1e-3);
    EXPECT_DOUBLE_EQ (w->getQuantityRow().getSlider().getMaximum(), 10);
    EXPECT_DOUBLE_EQ (w->getBottlesRow().getSlider().getMaximum(), 13);
}

TEST_F (StekleniceWindow, ABatchWithoutABottleSizeActsAsNoBatch)
{
    // Without a batch: bottles bring no wine.
    auto none = form (6, 0);
    none->stevilo = 5;
    wtest::pump (120);
    EXPECT_NEAR ((double) none->kolicina.getValue(), 0, 1e-3);
    none.reset();

    auto w = form (6, 2);
    w->setSerijaIDN (batch (3), 1);   // a model of volume 0: nothing is divided by it
    wtest::pump (120);
    wtest::typeIntoRow (*w, "Wine Quantity", "10", kRowsSettle);
    EXPECT_NEAR ((double) w->stevilo.getValue(), 0, 1e-3);
    EXPECT_EQ (w->getBookedBottles(), 0);
    wtest::typeIntoRow (*w, "Number of bottles", "5", kRowsSettle);
    EXPECT_EQ (w->getBookedBottles(), 5);
    EXPECT_NEAR ((double) w->kolicina.getValue(), 0, 1e-3);
    EXPECT_TRUE (std::isfinite (w->getBottlesRow().getSlider().getMaximum()));

    const auto before = vtest::dumpTables (file(), { "glavna", "artikel", "zaloga", "serija", "hramba" });
    EXPECT_FALSE (w->okAction());
    EXPECT_EQ (w->errorMessage, TRANS ("Volumen pretoka ni dolocen"));
    EXPECT_EQ (vtest::dumpTables (file(), { "glavna", "artikel", "zaloga", "serija", "hramba" }), before);
}

TEST_F (StekleniceWindow, APickedBatchBringsItsArticlesPriceExceptThePlaceholder)
{
    auto w = form (6, 0);
    EXPECT_EQ (w->cena.toString(), "2.50");
    EXPECT_EQ ((int) w->ddv.getValue(), 7);
    w->setSerijaIDN (batch (1), 1);
    wtest::pump (120);
    EXPECT_EQ (w->cena.toString(), "2.50");
    EXPECT_EQ ((int) w->ddv.getValue(), 7);
    w->setSerijaIDN (batch (2), 1);
    wtest::pump (120);
    EXPECT_EQ (w->cena.toString(), "8.40");
    EXPECT_EQ ((int) w->ddv.getValue(), 3);

    // A typed price is cut after its second decimal; a negative one becomes 0.
    wtest::typeIntoRow (*w, "Cena izdelka", "3.456", kRowsSettle);
    EXPECT_EQ (w->cena.toString(), "3.45");
    wtest::typeIntoRow (*w, "Cena izdelka", "-2", kRowsSettle);
    EXPECT_EQ (w->cena.toString(), "0.00");
}

TEST_F (StekleniceWindow, ALossLeavingLessThanAHundredthEmptiesTheVessel)
{
    struct Case { const char* loss; juce::StringArray left; };
    for (auto& c : { Case { "0.25", {} }, Case { "0.24", { "8|0.01" } } })
    {
        ASSERT_TRUE (exec ("DELETE FROM zaloga WHERE posoda=5; INSERT INTO zaloga(vino,posoda,volumen) VALUES (8,5,10)"));
        auto w = form (5, 2);
        wtest::typeIntoRow (*w, "Number of bottles", "13", kRowsSettle);
        wtest::typeIntoRow (*w, "Kalo", c.loss, kRowsSettle);
        answers.then (1);   // the batch's article: add the bottles to it
        ASSERT_TRUE (w->okAction()) << c.loss << ": " << w->errorMessage;
        EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM zaloga WHERE posoda=5"), c.left) << c.loss;
        EXPECT_EQ (rows ("SELECT printf('%.2f',SUM(volumen)) FROM kalo WHERE glavna=(SELECT MAX(id) FROM glavna)"),
                   juce::StringArray ({ juce::String (c.loss) })) << c.loss;
    }
}

TEST_F (StekleniceWindow, TheBatchsArticleNeedsAYes)
{
    auto w = form (6, 2);
    wtest::typeIntoRow (*w, "Number of bottles", "8", kRowsSettle);
    const auto before = vtest::dumpTables (file(), { "glavna", "artikel", "zaloga", "serija", "hramba", "steklenicenje" });
    answers.then (2);
    EXPECT_FALSE (w->okAction());
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].title, TRANS ("Dodaj steklenice"));
    EXPECT_EQ (w->errorMessage, TRANS ("Podobna serija ") + "L 2016-A" + TRANS (" ze obstaja!\nSpremeni serijo"));
    EXPECT_EQ (vtest::dumpTables (file(), { "glavna", "artikel", "zaloga", "serija", "hramba", "steklenicenje" }), before);

    answers.then (1);
    ASSERT_TRUE (w->okAction()) << w->errorMessage;
    EXPECT_EQ (rows ("SELECT printf('%.2f',cena),ddv FROM artikel WHERE id=31"), juce::StringArray ({ "8.40|3" }));
    EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE artikel=31"), "8");
}

class StekleniceFromTheBoard : public StekleniceWindow
{
protected:
    void SetUp() override
    {
        StekleniceWindow::SetUp();
        board = wtest::openWiredBoard();
    }

    void TearDown() override
    {
        wtest::closeWiredBoard (board);
        StekleniceWindow::TearDown();
    }

    std::unique_ptr<MainContentComponent> board;
};

TEST_F (StekleniceFromTheBoard, BottlesThePickedVesselIntoThePickedBatchAndWarehouse)
{
    const int index = wtest::boardButtonIndex (*board, "Steklenice");
    auto* window = wtest::openFromBoard (*board, "Steklenice");
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "Steklenice");
    auto* bottling = dynamic_cast<Steklenice*> (window->getAction());
    ASSERT_NE (bottling, nullptr);
    EXPECT_EQ (bottling->getName(), "Steklenice");
    EXPECT_NE (wtest::windowButton (*window, "Cancel"), nullptr);

    // The vessel by a click on the cellar viewer.
    auto* vesselPicker = wtest::findChild<PosodaButtonPropertyComponent> (
        *bottling, [] (PosodaButtonPropertyComponent& p) { return p.getName() == "Cistern label out"; });
    ASSERT_NE (vesselPicker, nullptr);
    auto* vesselButton = wtest::findChild<juce::TextButton> (*vesselPicker);
    ASSERT_NE (vesselButton, nullptr);
    vesselButton->triggerClick();
    wtest::pump (150);
    ASSERT_NE (vesselPicker->currentChild.get(), nullptr);
    auto* viewer = dynamic_cast<KletGUI*> (vesselPicker->currentChild->getAction());
    ASSERT_NE (viewer, nullptr);
    auto* vessel = vesselOf (*viewer, 8);
    ASSERT_NE (vessel, nullptr);
    clickVessel (*vessel);
    wtest::pump (100);
    EXPECT_EQ (bottling->getPosoda (1).id, 8);

    // The batch in its register, which lists only the vessel's vintage and newer.
    ptest::clickButtonOf (bottling->getBatchRow());
    auto* batchWindow = ptest::childOf (bottling->getBatchRow());
    ASSERT_NE (batchWindow, nullptr);
    batchWindow->setSize (700, 500);
    wtest::pump (60);
    auto* batches = dynamic_cast<PregledBazeSerija*> (batchWindow->getAction());
    ASSERT_NE (batches, nullptr);
    EXPECT_EQ (batches->getLetnikFilter(), 2016);
    const auto labels = ptest::columnOf (*batches, "oznaka");
    const int rowOfA = labels.indexOf ("A");
    ASSERT_GE (rowOfA, 0) << labels.joinIntoString ("|");
    ptest::clickRow (*batches, rowOfA);
    wtest::pump (120);
    EXPECT_EQ (bottling->getSerija().id, 2);
    EXPECT_EQ (bottling->cena.toString(), "8.40");

    // The warehouse on its plan: the one the plan shows when Select is pressed.
    settings().setValue (SkladisceGUI::kIdKey, 1);
    auto* warehouseButton = wtest::findChild<juce::TextButton> (bottling->getWarehouseRow());
    ASSERT_NE (warehouseButton, nullptr);
    warehouseButton->triggerClick();
    wtest::pump (150);
    auto* planWindow = dynamic_cast<VindorWindow*> (bottling->getWarehouseRow().currentChild.get());
    ASSERT_NE (planWindow, nullptr);
    auto* plan = dynamic_cast<SkladisceViewer*> (planWindow->getAction());
    ASSERT_NE (plan, nullptr);
    EXPECT_EQ (plan->getSkladisce().id, 1);
    auto* select = wtest::windowButton (*planWindow, "Select");
    ASSERT_NE (select, nullptr);
    select->triggerClick();
    wtest::pump (150);
    EXPECT_EQ (bottling->getWarehouseRow().currentChild.get(), nullptr);
    EXPECT_EQ (bottling->getSkladisce().id, 1);
    EXPECT_EQ (bottling->getWarehouseRow().getButtonText(), "Skladisce");

    wtest::typeIntoRow (*bottling, "Number of bottles", "40", kRowsSettle);
    EXPECT_NEAR ((double) bottling->kolicina.getValue(), 30, 1e-3);
    wtest::typeIntoRow (*bottling, "Opombe", "polnjenje A", kRowsSettle);

    // The picture with every section open, before OK closes the window.
    for (int s = 0; s <= Steklenice::analysisSection; ++s)
        bottling->getPanel().setSectionOpen (s, true);
    window->setSize (820, 1500);
    wtest::pump (150);
    const auto path = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("steklenice.png").getFullPathName();
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (*window), path)) << path;

    answers.then (1);   // add the bottles to the batch's article
    auto* ok = wtest::windowButton (*window, "OK");
    ASSERT_NE (ok, nullptr);
    ok->triggerClick();
    wtest::pump (150);
    EXPECT_EQ (board->getOpenWindow (index), nullptr) << "booked and closed";
    EXPECT_EQ (rows ("SELECT opravilo || '|' || opomba FROM glavna ORDER BY id DESC LIMIT 1"), juce::StringArray ({ "11|polnjenje A" }));
    EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM zaloga WHERE posoda=8"), juce::StringArray ({ "7|1170.00" }));
    EXPECT_EQ (rows ("SELECT serija,skladisce,stevilo,artikel FROM steklenicenje"), juce::StringArray ({ "2|1|40|31" }));
    EXPECT_EQ (value ("SELECT stevilo FROM serija WHERE id=2"), "140");
    EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE artikel=31 AND skladisce=1"), "40");
    EXPECT_EQ (settings().getValue ("SerijaAddArtikel:cenaizdelka").getDoubleValue(), 8.4);
    EXPECT_EQ (settings().getIntValue ("SerijaAddArtikel:ddvizdelka"), 3);
}

TEST_F (StekleniceWindow, AVesselChangedMeanwhileIsShownFreshAndNothingIsBooked)
{
    auto w = form (5, 3);
    w->setSerijaIDN (batch (2), 1);
    wtest::pump (120);
    wtest::typeIntoRow (*w, "Number of bottles", "8", kRowsSettle);
    wtest::typeIntoRow (*w, "Cena izdelka", "9.99", kRowsSettle);
    ASSERT_TRUE (exec ("UPDATE zaloga SET volumen=12 WHERE posoda=5; UPDATE posoda SET cena=3.1, ddv=4 WHERE id=5"));
    const auto tables = juce::StringArray { "glavna", "artikel", "zaloga", "serija", "hramba", "kompozicija", "steklenicenje" };
    const auto before = vtest::dumpTables (file(), tables);
    answers.then (1);
    EXPECT_FALSE (w->okAction());
    EXPECT_EQ (w->errorMessage, TRANS ("Vsebina posode se je med urejanjem spremenila. Preverite kolicine."));
    EXPECT_EQ (vtest::dumpTables (file(), tables), before);
    wtest::pump (120);
    EXPECT_DOUBLE_EQ (w->getPosoda (1).zaloga, 12);
    EXPECT_EQ (w->stanje.toString(), PosodaOps::getStanjePosode (read (5)));
    EXPECT_EQ (w->cena.toString(), "3.10");
    EXPECT_EQ ((int) w->ddv.getValue(), 4);
    EXPECT_EQ (w->getSerija().id, 2);

    answers.then (1);
    ASSERT_TRUE (w->okAction()) << w->errorMessage;
    EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM zaloga WHERE posoda=5"), juce::StringArray ({ "8|6.00" }));
}
