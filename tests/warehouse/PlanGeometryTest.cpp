// The plan's arithmetic without a component: the arrangement's grid, plan units and pixels at a
// zoom, the tile each arrow key reaches and the scroll that brings a tile into view.
#include "warehouse/PlanGeometry.h"

#include <gtest/gtest.h>

using namespace PlanGeometry;

TEST (PlanGeometry, GridIsNearSquareWithAColumnToSpare)
{
    struct Case { int tiles; bool delivery; int cells, rows, columns; };
    const Case cases[] = {
        { 7, false, 7, 2, 4 },
        { 7, true, 8, 2, 5 },
        { 1, false, 1, 1, 2 },
        { 0, true, 1, 1, 2 },    // the delivery area alone
        { 0, false, 0, 0, 0 },   // nothing: no division by zero rows
        { 9, false, 9, 3, 4 },
        { 2000, false, 2000, 44, 46 },
    };
    for (const auto& c : cases)
    {
        const auto g = gridFor (c.tiles, c.delivery);
        EXPECT_EQ (g.cells, c.cells) << c.tiles << " " << c.delivery;
        EXPECT_EQ (g.rows, c.rows) << c.tiles << " " << c.delivery;
        EXPECT_EQ (g.columns, c.columns) << c.tiles << " " << c.delivery;
    }
}

TEST (PlanGeometry, PlanUnitsArePixelsAtZoomTen)
{
    EXPECT_EQ (tileSide (10.0f), 100);
    EXPECT_EQ (tileSide (5.0f), 50);
    EXPECT_EQ (tileSide (7.5f), 75);
    EXPECT_EQ (pixelFromPlan (220, 10.0f), 220);
    EXPECT_EQ (pixelFromPlan (110, 10.0f), 110);
    EXPECT_EQ (pixelFromPlan (220, 5.0f), 110);
    EXPECT_EQ (pixelFromPlan (110, 5.0f), 55);
    // released at (333, 77) at zoom 3
    EXPECT_EQ (planFromPixel (333, 3.0f), 1110);
    EXPECT_EQ (planFromPixel (77, 3.0f), 257);
    EXPECT_EQ (planFromPixel (330, 10.0f), 330);
}

TEST (PlanGeometry, ArrowKeysPickTheClosestTileInsideTheirCone)
{
    const juce::Point<int> here { 200, 200 };
    struct Case
    {
        const char* what;
        Direction direction;
        std::vector<juce::Point<int>> tiles;
        int expected;
    };
    const Case cases[] = {
        { "straight above is always a candidate", Direction::up, { { 200, 100 } }, 0 },
        { "on the cone's edge counts (across = along / 2)", Direction::up, { { 250, 100 } }, 0 },
        { "just outside the cone does not", Direction::up, { { 251, 100 } }, -1 },
        { "same y to the right: right only", Direction::right, { { 300, 200 } }, 0 },
        { "same y to the right is never up", Direction::up, { { 300, 200 } }, -1 },
        { "same y to the right is never down", Direction::down, { { 300, 200 } }, -1 },
        { "equal scores: the earlier tile", Direction::down, { { 190, 300 }, { 210, 300 } }, 0 },
        { "lower score wins over order", Direction::down, { { 230, 300 }, { 210, 300 } }, 1 },
        { "the current spot is skipped", Direction::left, { { 200, 200 }, { 100, 210 } }, 1 },
        { "nothing to the left", Direction::left, { { 300, 200 }, { 200, 300 } }, -1 },
        { "closer but off-axis loses to far on-axis", Direction::right, { { 240, 215 }, { 260, 200 } }, 1 },
        { "no tiles", Direction::up, {}, -1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ (pickNeighbour (c.direction, c.tiles, here), c.expected) << c.what;
}

TEST (PlanGeometry, ScrollBringsTheTileIntoView)
{
    const juce::Rectangle<int> view { 0, 0, 500, 400 };
    struct Case { juce::Rectangle<int> tile; juce::Point<int> expected; };
    const Case cases[] = {
        { { 100, 100, 100, 100 }, { 0, 0 } },     // inside: no move
        { { 450, 100, 100, 100 }, { 0, -200 } },  // dx 50 dropped (50 + 100 < 500), dy -200 left to the viewport
        { { 700, 500, 100, 100 }, { 700, 500 } }, // outside: its corner to the view's corner
        { { 420, 380, 100, 100 }, { 0, 0 } },     // small overhangs on both sides are dropped
    };
    for (const auto& c : cases)
        EXPECT_EQ (scrollTarget (view, c.tile), c.expected) << c.tile.toString();
    // a scrolled view: the corner of a tile beyond it comes to the view's corner
    EXPECT_EQ (scrollTarget ({ 200, 300, 500, 400 }, { 1000, 100, 100, 100 }), juce::Point<int> (1000, 100));
}
