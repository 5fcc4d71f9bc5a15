// The button bar: buttons built from the opener's list, the layout of the button row, and the
// bar's answers about its buttons.
#include "support/WindowTestParts.h"
#include "frame/Gumbi.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
TEST (Gumbi, BuildsTheOpenersListRightToLeftWithActionOnlyCodes)
{
    vtest::LogCapture log;
    wtest::RecordingOpener opener;
    opener.addButton ("Cancel", 0);
    opener.addButton ("Save", 1);
    opener.addButton ("Select", 7, false, true);

    auto* content = new wtest::RecordingContent();
    content->opener = &opener;
    Gumbi bar ("Okno", content);

    ASSERT_EQ (bar.getNumButtons(), 2);
    EXPECT_EQ (bar.getButton (0)->getButtonText(), "Save");
    EXPECT_EQ (bar.getButton (1)->getButtonText(), "Cancel");
    EXPECT_EQ (bar.getButton (0)->getCommandID(), 1);
    EXPECT_EQ (bar.getButton (1)->getCommandID(), 0);
    EXPECT_EQ (bar.getButton (0)->getExplicitFocusOrder(), 2);
    EXPECT_EQ (bar.getButton (1)->getExplicitFocusOrder(), 3);
    EXPECT_EQ (content->getExplicitFocusOrder(), 1);
    for (int code : { 0, 1, 7 })
        EXPECT_TRUE (bar.hasButton (code)) << code;
    EXPECT_FALSE (bar.hasButton (3));

    // The opener's records learn their buttons; the action-only record gets none.
    EXPECT_EQ (opener.buttonList[1].button.getComponent(), bar.getButton (0));
    EXPECT_EQ (opener.buttonList[1].index, 1);
    EXPECT_EQ (opener.buttonList[0].button.getComponent(), bar.getButton (1));
    EXPECT_EQ (opener.buttonList[2].button.getComponent(), nullptr);
    EXPECT_TRUE (log.contains ("creating button Save, command: 1, idx: 1 focus order:2"));
    EXPECT_EQ (bar.getWidth(), 300);
    EXPECT_EQ (bar.getHeight(), 200);
}

TEST (Gumbi, HiddenRecordsGetHiddenButtons)
{
    wtest::RecordingOpener opener;
    opener.addButton ("Print", 8, false);
    opener.addButton ("Close", 0);
    auto* content = new wtest::RecordingContent();
    content->opener = &opener;
    Gumbi bar ("Okno", content);

    ASSERT_EQ (bar.getNumButtons(), 2);
    EXPECT_TRUE (bar.getButton (0)->isVisible());
    EXPECT_FALSE (bar.getButton (1)->isVisible());
}

TEST (Gumbi, WithoutAnOpenerShowsOkAndCancelAndKnowsNoCodes)
{
    vtest::LogCapture log;
    Gumbi bar ("Okno", new wtest::RecordingContent());

    ASSERT_EQ (bar.getNumButtons(), 2);
    EXPECT_EQ (bar.getButton (0)->getCommandID(), 1);
    EXPECT_EQ (bar.getButton (1)->getCommandID(), 0);
    for (int code = 0; code <= 17; ++code)
        EXPECT_FALSE (bar.hasButton (code)) << code;
    EXPECT_TRUE (log.contains ("WARNING KWindow parent has not setup information - using OK and Cancel buttons only"));
}

TEST (Gumbi, EmptyListGivesNoButtonsAndTheContentTakesTheWholeBar)
{
    wtest::RecordingOpener opener;
    auto* content = new wtest::RecordingContent();
    content->opener = &opener;
    Gumbi bar ("Okno", content);
    bar.setSize (400, 300);

    EXPECT_EQ (bar.getNumButtons(), 0);
    EXPECT_EQ (content->getBounds(), juce::Rectangle<int> (2, 2, 396, 296));
}

TEST (Gumbi, ButtonPositionOutsideTheBarGivesNull)
{
    vtest::LogCapture log;
    Gumbi bar ("Okno", new wtest::RecordingContent());

    EXPECT_NE (bar.getButton (1), nullptr);
    EXPECT_EQ (bar.getButton (2), nullptr);
    EXPECT_EQ (bar.getButton (-1), nullptr);
    EXPECT_EQ (bar.getButton (1000), nullptr);
    EXPECT_TRUE (log.contains ("idex of button 2"));
}

struct RowCase
{
    const char* name;
    int rowWidth;
    std::vector<int> natural;
    std::vector<int> x;
    std::vector<int> width;
};

void PrintTo (const RowCase& c, std::ostream* os) { *os << c.name; }

class ButtonRowLayout : public ::testing::TestWithParam<RowCase> {};

TEST_P (ButtonRowLayout, PlacesButtons)
{
    const auto c = GetParam();
    juce::Array<int> widths;
    for (auto w : c.natural)
        widths.add (w);
    const auto placed = Gumbi::layoutButtonRow ({ 10, 50, c.rowWidth, 25 }, widths);

    ASSERT_EQ ((size_t) placed.size(), c.x.size());
    for (size_t i = 0; i < c.x.size(); ++i)
    {
        EXPECT_EQ (placed[(int) i].getX() - 10, c.x[i]) << c.name << " button " << i;
        EXPECT_EQ (placed[(int) i].getWidth(), c.width[i]) << c.name << " button " << i;
        EXPECT_EQ (placed[(int) i].getY(), 50);
        EXPECT_EQ (placed[(int) i].getHeight(), 25);
    }
}

INSTANTIATE_TEST_SUITE_P (Gumbi, ButtonRowLayout,
    ::testing::Values (RowCase { "fits, centred with gaps of 4", 300, { 60, 60, 60 }, { 56, 120, 184 }, { 60, 60, 60 } },
                       RowCase { "too wide, shrunk in proportion", 150, { 60, 60, 60 }, { 12, 54, 96 }, { 40, 40, 40 } },
                       RowCase { "one button centred", 100, { 40 }, { 30 }, { 40 } },
                       RowCase { "uneven widths keep their own", 200, { 50, 30 }, { 58, 112 }, { 50, 30 } }),
    [] (const auto& info) { return "case" + std::to_string (info.index); });

TEST (Gumbi, ResizedPutsTheRowAtTheBottomAndTheContentAbove)
{
    wtest::RecordingOpener opener;
    opener.addButton ("Cancel", 0);
    opener.addButton ("OK", 1);
    auto* content = new wtest::RecordingContent();
    content->opener = &opener;
    Gumbi bar ("Okno", content);
    bar.setSize (600, 400);

    // The framework's own style: a 15-pixel label font gives a row of 25.
    const int row = 25;
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ (bar.getButton (i)->getY(), 400 - 2 - row);
        EXPECT_EQ (bar.getButton (i)->getHeight(), row);
    }
    EXPECT_LT (bar.getButton (0)->getRight(), bar.getButton (1)->getX());
    EXPECT_EQ (bar.getButton (1)->getX() - bar.getButton (0)->getRight(), 4);
    // Centred as a group.
    EXPECT_NEAR (bar.getButton (0)->getX() - 2, 598 - bar.getButton (1)->getRight(), 1);
    EXPECT_EQ (content->getBounds(), juce::Rectangle<int> (2, 2, 596, 396 - row - (int) (0.3f * row)));
}

TEST (Gumbi, KeysAreLoggedAndPassedOn)
{
    vtest::LogCapture log;
    Gumbi bar ("Okno", new wtest::RecordingContent());
    EXPECT_FALSE (bar.keyPressed (juce::KeyPress ('a', 0, 'a')));
    EXPECT_TRUE (log.contains ("<Gumbi::keyPressed> INFO key pressed:97"));
}

TEST (Gumbi, DeletingTheBarDeletesItsContentAndLogsTheTitle)
{
    vtest::LogCapture log;
    juce::Component::SafePointer<juce::Component> content;
    {
        auto* c = new wtest::RecordingContent();
        content = c;
        Gumbi bar ("Moje okno", c);
    }
    EXPECT_EQ (content.getComponent(), nullptr);
    EXPECT_TRUE (log.contains ("**********Closing window:Moje okno****************"));
}
} // namespace
