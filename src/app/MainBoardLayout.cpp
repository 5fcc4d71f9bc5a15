#include "app/MainBoardLayout.h"

namespace vindoro
{
MainBoardLayout MainBoardLayout::compute (juce::Rectangle<int> board, int rowHeight, int buttonCount)
{
    MainBoardLayout layout;
    const int rows = (buttonCount + 1) / 2;
    const int strip = rows * (rowHeight + 2);

    // A board lower than the strip gives the tabs no height; the strip keeps its height at the
    // bottom edge and its upper rows are cut off above the board.
    const int tabsHeight = juce::jmax (0, board.getHeight() - strip);
    layout.tabs = board.withHeight (tabsHeight).reduced (2);
    const juce::Rectangle<int> stripArea (board.getX(), board.getBottom() - strip, board.getWidth(), strip);

    const int half = stripArea.getWidth() / 2;
    for (int i = 0; i < buttonCount; ++i)
    {
        const int column = i / rows, row = i % rows;
        layout.buttons.emplace_back (stripArea.getX() + 16 + column * half,
                                     stripArea.getY() + 2 + row * (rowHeight + 2),
                                     juce::jmax (0, half - 32),
                                     juce::jmax (0, rowHeight - 2));
    }
    return layout;
}
} // namespace vindoro
