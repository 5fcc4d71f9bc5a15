#include "warehouse/PlanGeometry.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace PlanGeometry
{
Grid gridFor (int tiles, bool deliveryArea)
{
    Grid grid;
    grid.cells = tiles + (deliveryArea ? 1 : 0);
    if (grid.cells <= 0)
        return {}; // no rows: the column count would divide by zero
    grid.rows = (int) std::sqrt ((float) grid.cells);
    grid.columns = (int) ((float) grid.cells / (float) grid.rows + 1.0f);
    return grid;
}

int tileSide (float zoom)
{
    return (int) ((double) zoom * 10.0);
}

int pixelFromPlan (int plan, float zoom)
{
    return (int) ((double) ((float) plan * zoom) / 10.0);
}

int planFromPixel (int pixel, float zoom)
{
    return (int) ((double) pixel * (10.0 / (double) zoom) + 0.5);
}

int pickNeighbour (Direction direction, const std::vector<juce::Point<int>>& positions, juce::Point<int> current)
{
    int best = -1;
    int bestScore = std::numeric_limits<int>::max();
    for (size_t i = 0; i < positions.size(); ++i)
    {
        const int dx = positions[i].x - current.x;
        const int dy = positions[i].y - current.y;
        if (dx == 0 && dy == 0)
            continue;

        bool candidate = false;
        int along = 0, across = 0;
        switch (direction)
        {
            case Direction::up:    candidate = dy <= 0; along = -dy; across = std::abs (dx); break;
            case Direction::down:  candidate = dy >= 0; along = dy;  across = std::abs (dx); break;
            case Direction::right: candidate = dx > 0;  along = dx;  across = std::abs (dy); break;
            case Direction::left:  candidate = dx < 0;  along = -dx; across = std::abs (dy); break;
        }
        if (! candidate || across > along / 2)
            continue;

        const int score = along + 5 * across;
        if (score < bestScore) // strictly lower: a tie keeps the earlier tile
        {
            bestScore = score;
            best = (int) i;
        }
    }
    return best;
}

juce::Point<int> scrollTarget (juce::Rectangle<int> view, juce::Rectangle<int> target)
{
    const int tw = std::max (0, target.getWidth());
    const int th = std::max (0, target.getHeight());
    const int tRight = target.getX() + tw;
    const int tBottom = target.getY() + th;

    if (target.getX() >= view.getX() && target.getY() >= view.getY() && tRight <= view.getRight() && tBottom <= view.getBottom())
        return view.getPosition();

    int dx, dy;
    if (view.getX() <= target.getX() && target.getX() < view.getRight() && view.getY() <= target.getY() && target.getY() < view.getBottom())
    {
        dx = tRight - view.getRight();
        dy = tBottom - view.getBottom();
    }
    else
    {
        dx = target.getX() - view.getX();
        dy = target.getY() - view.getY();
    }
    // A tile that still fits beside the view's right or bottom edge after so short a move is left as it is.
    if (dx > 0 && dx + tw < view.getRight())
        dx = 0;
    if (dy > 0 && dy + th < view.getBottom())
        dy = 0;
    return { view.getX() + dx, view.getY() + dy };
}
} // namespace PlanGeometry
