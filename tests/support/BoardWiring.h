#pragma once
// Tests that wire the program's windows to the main board take every one of them off again
// afterwards, whichever windows the wiring brings, so a later test in the same process finds the
// board as a start without wiring leaves it.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "frame/VindorWindow.h"
#include "support/WindowTestParts.h"

namespace wtest
{
inline void unwireBoard()
{
    for (const auto& entry : MainContentComponent::boardEntries())
        MainContentComponent::setLauncher (entry.code, nullptr);
}

/** The main board as the program shows it after start-up, with the program's windows wired to
    its buttons. */
inline std::unique_ptr<MainContentComponent> openWiredBoard()
{
    vindoro::wireBoardWindows();
    auto board = std::make_unique<MainContentComponent>();
    board->removeIntroScreen();
    return board;
}

/** Closes every window the board opened, the board itself, and takes the wiring off. */
inline void closeWiredBoard (std::unique_ptr<MainContentComponent>& board)
{
    closeOpenWindows();
    board.reset();
    unwireBoard();
}

/** The place of the board's button with that text, or -1. */
inline int boardButtonIndex (MainContentComponent& board, const juce::String& label)
{
    for (int i = 0; i < board.getNumButtons(); ++i)
        if (board.getButton (i)->getButtonText() == label)
            return i;
    return -1;
}

/** Clicks the board's button with that text, as the person does, and returns the window it
    opened; null when there is no such button, it is disabled, or nothing opened. */
inline VindorWindow* openFromBoard (MainContentComponent& board, const juce::String& label, int settleMs = 150)
{
    const int index = boardButtonIndex (board, label);
    if (index < 0 || ! board.getButton (index)->isEnabled())
        return nullptr;
    board.getButton (index)->triggerClick();
    pump (settleMs);
    return dynamic_cast<VindorWindow*> (board.getOpenWindow (index));
}
} // namespace wtest
