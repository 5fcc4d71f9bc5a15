#include "app/IntroScreen.h"
#include "frame/LookAndFeel_Vindor.h"
#include "app/MainBoardLayout.h"
#include "app/MainContentComponent.h"
#include "app/VindorTabbedComponent.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace juce;
using vindoro::MainBoardLayout;

TEST (MainBoardLayoutTest, TwoColumnsInAStripUnderTheTabs)
{
    const auto layout = MainBoardLayout::compute ({ 0, 0, 800, 600 }, 38, 11);
    ASSERT_EQ (layout.buttons.size(), 11u);
    EXPECT_EQ (layout.tabs, Rectangle<int> (2, 2, 796, 356)) << "strip of 6 x 40 = 240";
    EXPECT_EQ (layout.buttons[0], Rectangle<int> (16, 362, 368, 36));
    EXPECT_EQ (layout.buttons[5], Rectangle<int> (16, 562, 368, 36));
    EXPECT_EQ (layout.buttons[6], Rectangle<int> (416, 362, 368, 36));
    EXPECT_EQ (layout.buttons[10], Rectangle<int> (416, 522, 368, 36));

    // Odd widths: the half is an integer division.
    const auto odd = MainBoardLayout::compute ({ 0, 0, 801, 600 }, 25, 11);
    EXPECT_EQ (odd.buttons[6].getX(), 16 + 400);
    EXPECT_EQ (odd.buttons[0].getHeight(), 23);
}

TEST (MainBoardLayoutTest, LowBoardCutsTheUpperRowsOff)
{
    const auto layout = MainBoardLayout::compute ({ 0, 0, 800, 100 }, 38, 11);
    EXPECT_EQ (layout.tabs.getHeight(), 0);
    EXPECT_EQ (layout.buttons[5].getBottom(), 100 - 2);
    EXPECT_EQ (layout.buttons[0].getY(), 100 - 240 + 2);

    const auto narrow = MainBoardLayout::compute ({ 0, 0, 40, 600 }, 38, 11);
    EXPECT_EQ (narrow.buttons[0].getWidth(), 0);
}

TEST (MainContentComponentTest, ElevenButtonsInBoardOrder)
{
    vtest::TestSettings settings;
    MainContentComponent board;

    const char* labels[] = { "Trgatev", "Pretok", "Opravilo", "Steklenice", "Kleti", "Zaloga",
                             "PregledIzdRacunov", "PregledRacunov", "Porocila", "Stranke", "Blagajna" };
    const int codes[] = { 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 13 };
    // No function window is built into the program yet, so no board button may pretend to open
    // one; each subsystem that brings its window turns its own entry on here.
    const bool enabled[] = { false, false, false, false, false, false, false, false, false, false, false };
    const auto& entries = MainContentComponent::boardEntries();
    ASSERT_EQ (board.getNumButtons(), 11);
    ASSERT_EQ (entries.size(), 11u);
    for (int i = 0; i < 11; ++i)
    {
        EXPECT_STREQ (entries[(size_t) i].labelKey, labels[i]);
        EXPECT_EQ (entries[(size_t) i].code, codes[i]);
        EXPECT_EQ (board.getButton (i)->getButtonText(), translate (labels[i]));
        EXPECT_EQ (board.getButton (i)->isEnabled(), enabled[i]) << labels[i];
    }

    // The stock window opens without the transfer-note buttons until the transfer note exists.
    EXPECT_EQ (entries[5].windowButtons.size(), 5u);
    EXPECT_EQ (entries[5].windowButtons[2].second, 3);
    EXPECT_EQ (entries[10].windowButtons.front().second, 2) << "the cash register closes after a question";
}

TEST (MainContentComponentTest, SizeComesFromAndGoesToTheSettings)
{
    vtest::TestSettings settings;
    {
        MainContentComponent board;
        EXPECT_EQ (board.getBounds(), Rectangle<int> (0, 0, 800, 600));
        board.setSize (1000, 700);
    }
    EXPECT_EQ (settings.user().getIntValue ("WindowWidth"), 1000);
    EXPECT_EQ (settings.user().getIntValue ("WindowHeight"), 700);

    MainContentComponent board;
    EXPECT_EQ (board.getWidth(), 1000);
    EXPECT_EQ (board.getHeight(), 700);
    ASSERT_NE (board.getTabs(), nullptr);
    EXPECT_EQ (board.getTabs()->getName(), "VindorTabbedComponent");
    EXPECT_EQ (board.getTabs()->getNumTabs(), 4);
    const StringArray tabNames { translate ("Logs"), translate ("Settings"), translate ("Uporabnik"), translate ("O programu") };
    EXPECT_EQ (board.getTabs()->getTabNames(), tabNames);
}
