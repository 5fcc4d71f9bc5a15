// The board as the opener of the function windows, with real framework windows standing in for
// the function windows that later subsystems wire in.
#include "support/BoardWiring.h"
#include "support/WindowTestParts.h"
#include "frame/KWManager.h"
#include "app/MainContentComponent.h"
#include "frame/VindorWindow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

KWindow* launchStandIn (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new wtest::RecordingContent(), opener, openerSetup);
}

constexpr int kBoardCodes[] = { 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 13 };

class MainContentWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int code : kBoardCodes)
            MainContentComponent::setLauncher (code, launchStandIn);
        board = std::make_unique<MainContentComponent>();
        board->removeIntroScreen();
    }

    void TearDown() override
    {
        board->closeAllChildWindows();
        pump();
        board.reset();
        wtest::unwireBoard();
        pump();
    }

    int indexOfCode (int code) const
    {
        for (int i = 0; i < (int) std::size (kBoardCodes); ++i)
            if (kBoardCodes[i] == code)
                return i;
        return -1;
    }

    KWindow* press (int code)
    {
        const int index = indexOfCode (code);
        board->getButton (index)->triggerClick();
        pump();
        return board->getOpenWindow (index);
    }

    // What a function window does when it answers its opener.
    static void answer (KWindow* window, int exitValue)
    {
        window->setExitValue (exitValue);
        window->notifyListener();
        pump();
    }

    vtest::TestSettings settings;
    vtest::LogCapture log;
    std::unique_ptr<MainContentComponent> board;
};
} // namespace

TEST_F (MainContentWindowsTest, WiredButtonsAreEnabledAndOpenTheirWindowWithItsButtons)
{
    for (int i = 0; i < board->getNumButtons(); ++i)
        EXPECT_TRUE (board->getButton (i)->isEnabled());

    auto* window = press (6);
    ASSERT_NE (window, nullptr);
    auto* vw = dynamic_cast<VindorWindow*> (window);
    ASSERT_NE (vw, nullptr);
    EXPECT_EQ (vw->getName(), juce::translate ("Zaloge"));
    for (int code : { 0, 12, 3, 5, 6 })
        EXPECT_TRUE (window->hasButton (code)) << code;
    for (int code : { 13, 14 })
        EXPECT_FALSE (window->hasButton (code)) << code;
    EXPECT_TRUE (board->getChildWindows().contains (window)) << "board windows close with the main window";
}

TEST_F (MainContentWindowsTest, WhileAWindowIsTrackedEveryButtonOnlyBringsItForward)
{
    auto* harvest = press (1);
    ASSERT_NE (harvest, nullptr);
    const int windows = KWManager::getInstance()->getNumKWindows();

    EXPECT_EQ (press (2), nullptr);
    EXPECT_EQ (KWManager::getInstance()->getNumKWindows(), windows) << "no transfer window opens";
    EXPECT_TRUE (log.contains ("<MainContentComponent::buttonClicked> okno " + board->getButton (0)->getButtonText()
                               + " je se odprto"));
}

TEST_F (MainContentWindowsTest, AnswersFreeTheBoardAsEachWindowKindRequires)
{
    struct Case { int code; int exitValue; bool staysOpen; };
    const Case cases[] = {
        { 1, 0, true }, { 1, 1, true }, { 5, 0, true }, { 10, 3, true }, { 11, 0, true },
        { 13, 1, false },  // a finished receipt: the board closes the register window
        { 13, 4, true },   // anything else leaves it open, untracked
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.code) + "/" + juce::String (c.exitValue));
        auto* window = press (c.code);
        ASSERT_NE (window, nullptr);
        KWindowRef alive (window);
        log.clear();

        answer (window, c.exitValue);
        EXPECT_TRUE (log.contains ("<MainContentComponent::changeListenerCallback> exit state:" + juce::String (c.exitValue)));
        EXPECT_EQ (board->getOpenWindow (indexOfCode (c.code)), nullptr) << "the board is free again";
        EXPECT_EQ (alive.get() != nullptr, c.staysOpen);

        if (auto* w = alive.get())
            w->closeKW();
        pump();
    }
}

TEST_F (MainContentWindowsTest, UntrackedSenderIsLoggedAndIgnored)
{
    auto* tracked = press (9);
    ASSERT_NE (tracked, nullptr);

    wtest::RecordingOpener other;
    auto* stranger = VindorWindow::launchNormal ("Tuje okno", new wtest::RecordingContent(), &other, &other);
    board->changeListenerCallback (stranger);
    board->changeListenerCallback (nullptr);
    EXPECT_TRUE (log.contains ("<MainContentComponent::changeListenerCallback> FATAL ERROR: kwindows index -1"));
    EXPECT_EQ (board->getOpenWindow (indexOfCode (9)), tracked);
    stranger->closeKW();

    juce::TextButton foreign;
    board->buttonClicked (&foreign);
    EXPECT_FALSE (log.contains ("FATAL ERROR: buttons index -1")) << "a tracked window comes first";
    answer (tracked, 0);
    board->buttonClicked (&foreign);
    EXPECT_TRUE (log.contains ("<MainContentComponent::buttonClicked> FATAL ERROR: buttons index -1"));
}
