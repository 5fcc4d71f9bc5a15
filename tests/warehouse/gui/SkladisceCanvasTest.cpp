// The warehouse plan's canvas and tiles over a real database, built but not shown: what is
// loaded, sizes and places at a zoom, the grid arrangement and the positions it writes (only in an
// editing canvas), a released tile's position, withdrawal, the arrow keys and a click making a
// tile current.
#include "support/FaultInjection.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/PlanFixture.h"
#include "warehouse/gui/Skladisce.h"

#include <gtest/gtest.h>

using namespace plantest;
using wtest::pump;

namespace
{
class PlanCanvas : public PlanDb
{
protected:
    static std::unique_ptr<Skladisce> canvasOf (int id, bool editable, float zoom = 10.0f)
    {
        SkladisceRecord record;
        record.id = id;
        auto canvas = std::make_unique<Skladisce> (record, nullptr, zoom);
        canvas->editable = editable;
        canvas->initArtikli();
        return canvas;
    }

    static juce::StringArray names (const Skladisce& canvas)
    {
        juce::StringArray out;
        for (auto* tile : canvas.getArtikli())
            out.add (tile->getHramba().artikel.ime);
        return out;
    }
};

struct ChangeCounter : juce::ChangeListener
{
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
    int count = 0;
};
} // namespace

TEST_F (PlanCanvas, LoadsTheActiveEntriesOfItsWarehouseOnly)
{
    addEntry (kGlavno, kFrankinja, 12, 0, 0);
    addEntry (kGlavno, kKarton, 4, 110, 0, 2);
    addEntry (kGlavno, kOdprto, 1, 220, 0);   // bulk wine: no tile
    addEntry (kDrugo, kZamasek, 50, 0, 0);    // another warehouse
    const int gone = addEntry (kGlavno, kZamasek, 3, 330, 0);
    run ("UPDATE hramba SET active=0 WHERE id=" + juce::String (gone));

    auto canvas = canvasOf (kGlavno, true);
    EXPECT_EQ (names (*canvas), juce::StringArray ({ "Frankinja", "Karton" }));
    EXPECT_EQ (canvas->getSkladisce().ime, "Glavno");
    EXPECT_FALSE (canvas->isEmpty());
    ASSERT_NE (canvas->getCurrent(), nullptr);
    EXPECT_EQ (canvas->getCurrentHramba().artikel.id, kKarton);   // the last tile is current
    EXPECT_EQ (canvas->getNumChildComponents(), 2);
    EXPECT_EQ (canvas->getChildComponent (1), canvas->getArtikli()[1]);   // children in tile order

    // an empty warehouse: nothing current, every key answers false
    auto empty = canvasOf (kPrazno, true);
    EXPECT_TRUE (empty->isEmpty());
    EXPECT_EQ (empty->getCurrent(), nullptr);
    EXPECT_FALSE (empty->selectToUp());
    EXPECT_FALSE (empty->selectToDown());
    EXPECT_FALSE (empty->selectToLeft());
    EXPECT_FALSE (empty->selectToRight());
    EXPECT_FALSE (empty->returnPressed());

    // a warehouse that does not exist loads nothing and says nothing
    vtest::ScriptedAnswerer answers;
    EXPECT_TRUE (canvasOf (99, true)->isEmpty());
    EXPECT_TRUE (answers.asked.empty());
}

TEST_F (PlanCanvas, NoWarehouseIdIsReportedAndLoadsNothing)
{
    addEntry (kGlavno, kFrankinja, 12, 0, 0);
    vtest::ScriptedAnswerer answers;
    auto canvas = canvasOf (0, true);
    EXPECT_TRUE (canvas->isEmpty());
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].icon, vindoro::kIconWarning);
    EXPECT_EQ (answers.asked[0].title, TRANS ("Napaka"));
    EXPECT_EQ (answers.asked[0].message, TRANS ("Error occured: ") + "Error loading data from skladisce. ID of skladisce is 0");
}

TEST_F (PlanCanvas, ZoomSizesAndPlacesEveryTile)
{
    addEntry (kGlavno, kFrankinja, 12, 220, 110);
    addEntry (kGlavno, kKarton, 4, 0, 330);
    auto canvas = canvasOf (kGlavno, true);
    auto* tile = canvas->getArtikli()[0];
    EXPECT_EQ (tile->getBounds(), juce::Rectangle<int> (220, 110, 100, 100));
    EXPECT_EQ (canvas->getBounds().getBottomRight(), juce::Point<int> (320 + 20, 430 + 20));   // fitted to the tiles

    canvas->setZoom (5.0f);
    EXPECT_EQ (tile->getBounds(), juce::Rectangle<int> (110, 55, 50, 50));
    EXPECT_FLOAT_EQ (tile->getZoom(), 5.0f);

    vtest::LogCapture log;
    canvas->setZoom (0.0f);
    EXPECT_TRUE (log.contains ("ERROR zoom je 0.000000e+00"));
    EXPECT_FLOAT_EQ (canvas->getZoom(), 5.0f);
    EXPECT_EQ (tile->getBounds(), juce::Rectangle<int> (110, 55, 50, 50));
}

TEST_F (PlanCanvas, ArrangementFillsTheGridAndWritesThePositions)
{
    struct Case { int tiles; bool delivery; int columns; int firstCell; const char* logLine; };
    const Case cases[] = {
        { 7, false, 4, 0, "razporedili bomo 7 artiklov v 4 x 2" },
        { 7, true, 5, 1, "razporedili bomo 8 artiklov v 5 x 2" },
        { 1, false, 2, 0, "razporedili bomo 1 artiklov v 2 x 1" },
    };
    for (const auto& c : cases)
    {
        run ("DELETE FROM hramba");
        settings().setValue ("dostavniplac", c.delivery);
        std::vector<int> ids;
        for (int k = 0; k < c.tiles; ++k)
            ids.push_back (addEntry (kGlavno, kKarton, k + 1, 1000 + 37 * k, 900));

        auto canvas = canvasOf (kGlavno, true);
        vtest::LogCapture log;
        canvas->arrangeAll();
        EXPECT_TRUE (log.contains (c.logLine)) << c.logLine;
        for (int k = 0; k < c.tiles; ++k)
        {
            const int cell = c.firstCell + k;
            const int x = 110 * (cell % c.columns), y = 110 * (cell / c.columns);
            auto* tile = canvas->getArtikli()[k];
            EXPECT_EQ (tile->getPosition(), juce::Point<int> (x, y)) << c.logLine << " tile " << k;
            EXPECT_FALSE (tile->isMoved());
            EXPECT_EQ (storedPosition (ids[(size_t) k]), juce::String (x) + "," + juce::String (y) + "," + juce::String (k))
                << c.logLine << " tile " << k;
        }
    }
}

TEST_F (PlanCanvas, ReadOnlyArrangementMovesOnScreenAndWritesNothing)
{
    const int a = addEntry (kGlavno, kKarton, 1, 500, 500);
    const int b = addEntry (kGlavno, kZamasek, 2, 700, 500);
    auto canvas = canvasOf (kGlavno, false);
    vtest::LogCapture log;
    canvas->arrangeAll();
    EXPECT_EQ (canvas->getArtikli()[1]->getPosition(), juce::Point<int> (110, 0));
    EXPECT_TRUE (log.contains ("WARNING: Can't edit in viewer mode!"));
    EXPECT_EQ (storedPosition (a), "500,500,0");
    EXPECT_EQ (storedPosition (b), "700,500,0");
}

TEST_F (PlanCanvas, EmptyPlanWithoutDeliveryAreaArrangesNothing)
{
    auto canvas = canvasOf (kPrazno, false);
    vtest::LogCapture log;
    canvas->arrangeAll();
    EXPECT_FALSE (log.contains ("razporedili bomo"));
    EXPECT_FALSE (log.contains ("viewer mode"));   // it never got as far as writing
}

TEST_F (PlanCanvas, ReleasedTileGetsItsPlanPositionWrittenAtTheNextWrite)
{
    const int id = addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 1, 110, 0);
    auto canvas = canvasOf (kGlavno, true, 3.0f);
    auto* tile = canvas->getArtikli()[0];
    tile->setTopLeftPosition (333, 77);
    tile->mouseUp (wtest::mouseAt (*tile, 5, 5));
    EXPECT_TRUE (tile->isMoved());
    EXPECT_EQ (tile->getHramba().pozx, 1110);
    EXPECT_EQ (tile->getHramba().pozy, 257);
    EXPECT_EQ (storedPosition (id), "0,0,0");   // nothing written on release

    canvas->updateNewPositionsToDB();
    EXPECT_FALSE (tile->isMoved());
    EXPECT_EQ (storedPosition (id), "1110,257,0");

    // a read-only tile keeps its place in the plan
    auto viewer = canvasOf (kGlavno, false, 3.0f);
    auto* seen = viewer->getArtikli()[0];
    seen->setTopLeftPosition (10, 10);
    seen->mouseUp (wtest::mouseAt (*seen, 5, 5));
    EXPECT_FALSE (seen->isMoved());
    EXPECT_EQ (seen->getHramba().pozx, 1110);
}

TEST_F (PlanCanvas, FailedPositionWriteKeepsTheTileMovedForTheNextTry)
{
    const int id = addEntry (kGlavno, kKarton, 1, 0, 0);
    auto canvas = canvasOf (kGlavno, true);
    auto* tile = canvas->getArtikli()[0];
    tile->setTopLeftPosition (220, 110);
    tile->mouseUp (wtest::mouseAt (*tile, 5, 5));
    {
        vtest::FaultInjection faults (database.file(), { "hramba" });
        faults.failWrite (1);
        vtest::LogCapture log;
        canvas->updateNewPositionsToDB();
        EXPECT_TRUE (tile->isMoved());
        EXPECT_TRUE (log.contains ("ERROR: position of hramba " + juce::String (id)));
        EXPECT_EQ (storedPosition (id), "0,0,0");
    }
    canvas->updateNewPositionsToDB();
    EXPECT_FALSE (tile->isMoved());
    EXPECT_EQ (storedPosition (id), "220,110,0");
}

TEST_F (PlanCanvas, WithdrawalWritesOnlyInAnEditingTile)
{
    const int first = addEntry (kGlavno, kFrankinja, 0, 0, 0);   // only an empty entry leaves the plan
    addEntry (kDrugo, kFrankinja, 6, 0, 0);
    SQLtoXml db;

    auto viewer = canvasOf (kGlavno, false);
    vtest::LogCapture log;
    EXPECT_FALSE (viewer->getArtikli()[0]->setActive (&db));
    EXPECT_TRUE (log.contains ("Can't edit in viewer mode!"));
    EXPECT_EQ (storedInt ("SELECT active FROM hramba WHERE id=" + juce::String (first)), 1);

    auto editor = canvasOf (kGlavno, true);
    auto* tile = editor->getArtikli()[0];
    EXPECT_FALSE (tile->setActive (nullptr));
    EXPECT_TRUE (tile->setActive (&db));
    EXPECT_FALSE (tile->getHramba().active);
    EXPECT_EQ (storedInt ("SELECT active FROM hramba WHERE id=" + juce::String (first)), 0);
    EXPECT_EQ (storedInt ("SELECT active FROM artikel WHERE id=" + juce::String (kFrankinja)), 1);   // still in the other warehouse
}

TEST_F (PlanCanvas, ArrowKeysWalkTheTiles)
{
    // a 2 x 2 block; the last tile (bottom right) is current after loading
    addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 2, 110, 0);
    addEntry (kGlavno, kFrankinja, 3, 0, 110);
    addEntry (kGlavno, kKarton, 4, 110, 110);
    auto canvas = canvasOf (kGlavno, true);
    auto at = [&canvas] { return canvas->getCurrent()->getPosition(); };

    EXPECT_FALSE (canvas->selectToRight());
    EXPECT_FALSE (canvas->selectToDown());
    EXPECT_EQ (at(), juce::Point<int> (110, 110));
    EXPECT_TRUE (canvas->selectToUp());
    EXPECT_EQ (at(), juce::Point<int> (110, 0));
    EXPECT_TRUE (canvas->selectToLeft());
    EXPECT_EQ (at(), juce::Point<int> (0, 0));
    EXPECT_FALSE (canvas->selectToUp());
    EXPECT_TRUE (canvas->selectToDown());
    EXPECT_EQ (at(), juce::Point<int> (0, 110));
    EXPECT_TRUE (canvas->selectToRight());
    EXPECT_EQ (at(), juce::Point<int> (110, 110));
}

TEST_F (PlanCanvas, ClickOrReturnMakesATileCurrentAndTellsTheWindow)
{
    addEntry (kGlavno, kKarton, 1, 0, 0);
    addEntry (kGlavno, kZamasek, 2, 110, 0);
    auto canvas = canvasOf (kGlavno, false);
    ChangeCounter window;
    canvas->addChangeListener (&window);

    auto* first = canvas->getArtikli()[0];
    first->mouseDown (wtest::mouseAt (*first, 10, 10));
    pump (50);
    EXPECT_EQ (canvas->getCurrent(), first);
    EXPECT_EQ (window.count, 1);

    // a right click does nothing
    auto* second = canvas->getArtikli()[1];
    second->mouseDown (wtest::mouseAt (*second, 10, 10, 1, juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier)));
    pump (50);
    EXPECT_EQ (canvas->getCurrent(), first);

    EXPECT_TRUE (canvas->returnPressed());
    pump (50);
    EXPECT_EQ (window.count, 2);
    canvas->removeChangeListener (&window);
}

TEST_F (PlanCanvas, TileLinesFollowTheArticleKind)
{
    addEntry (kGlavno, kFrankinja, 12, 0, 0);
    addEntry (kGlavno, kKarton, 4, 110, 0, 2);
    addEntry (kGlavno, kZamasek, 30, 220, 0, 1);
    auto canvas = canvasOf (kGlavno, true);
    const auto& tiles = canvas->getArtikli();
    EXPECT_EQ (tiles[0]->tileText().getText(), "Frankinja\nLOT: 2021-A1 Bordo\n12 steklenica\n");
    EXPECT_EQ (tiles[1]->tileText().getText(), "Karton(+)\n4 karton\n");
    EXPECT_EQ (tiles[2]->tileText().getText(), "Zamasek\n30 kos\n");
}
