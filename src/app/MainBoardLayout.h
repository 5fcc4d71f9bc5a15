#pragma once
// Where the main board puts its tabbed panel and its buttons: two columns of buttons in a strip at
// the bottom, the tabs above. Kept apart from the component so the geometry is checked without a window.
#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace vindoro
{
struct MainBoardLayout
{
    juce::Rectangle<int> tabs;
    std::vector<juce::Rectangle<int>> buttons;

    /** Lays out `buttonCount` buttons of row height `rowHeight` on a board with the given bounds. */
    static MainBoardLayout compute (juce::Rectangle<int> board, int rowHeight, int buttonCount);
};
} // namespace vindoro
