#pragma once
// The arithmetic of the warehouse plan, apart from any component: plan units and pixels at a
// zoom, the near-square grid of an arrangement, the tile an arrow key reaches and the scroll
// that brings a tile into view. Plan units are pixels at zoom 10; the single-precision steps
// are kept where stored positions depend on them.
#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace PlanGeometry
{
/** The cells of an arrangement: `cells` tiles (plus the delivery area's cell) in `rows` rows of
    `columns`. No cells gives all zeros. */
struct Grid
{
    int cells = 0;
    int rows = 0;
    int columns = 0;
};

Grid gridFor (int tiles, bool deliveryArea);

/** The side of a square tile at the zoom, in pixels. */
int tileSide (float zoom);
/** A plan coordinate as a pixel at the zoom. */
int pixelFromPlan (int plan, float zoom);
/** A pixel coordinate as a plan coordinate at the zoom, rounded half up. */
int planFromPixel (int pixel, float zoom);

enum class Direction { up, down, right, left };

/** The index of the tile an arrow key moves to from the tile at `current`, or -1: inside a cone
    of half the distance along the key's direction, the lowest distance plus five times the offset
    across; on equal scores the earlier tile. Tiles on the current spot are never chosen. */
int pickNeighbour (Direction direction, const std::vector<juce::Point<int>>& positions, juce::Point<int> current);

/** Where a viewport showing `view` (in the viewed component's coordinates) scrolls so that
    `target` comes into view. The viewport itself keeps the result inside its content. */
juce::Point<int> scrollTarget (juce::Rectangle<int> view, juce::Rectangle<int> target);
} // namespace PlanGeometry
