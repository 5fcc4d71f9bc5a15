#include "widgets/VindorColorButtonPropertyComponent.h"
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "support/TestSupport.h"
#include "support/WindowTestParts.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

struct ColourRowFixture : ::testing::Test
{
    ColourRowFixture()
    {
        owner.setSize (500, 300);
        owner.addAndMakeVisible (row);
        row.setBounds (0, 0, 500, 25);
        bound.referTo (row.getColourButton().value);
    }

    ~ColourRowFixture() override
    {
        wtest::closeOpenWindows();
    }

    VindorWindow* openSelector()
    {
        row.getColourButton().triggerClick();
        pump();
        return dynamic_cast<VindorWindow*> (row.getColourButton().currentChild.get());
    }

    vtest::TestSettings settings;
    juce::Component owner;
    VindorColorButtonPropertyComponent row { "artikel_sel_color", &owner };
    juce::Value bound;
};
} // namespace

TEST_F (ColourRowFixture, ColourWithoutAlphaIsShownOpaque)
{
    row.setColour (0xffa500);   // orange, no alpha byte
    EXPECT_EQ (row.getColourButton().getPaintedColour(), juce::Colour (0xffffa500));
    EXPECT_EQ (row.getColourButton().getColour(), juce::Colour (0xffffa500));
    row.setColour (0);
    EXPECT_EQ (row.getColourButton().getPaintedColour(), juce::Colour (0xff000000));
    row.setColour (0x80112233);
    EXPECT_EQ (row.getColourButton().getPaintedColour(), juce::Colour (0x80112233));
    EXPECT_TRUE (bound.getValue().isVoid());   // showing a colour does not store it
    EXPECT_EQ (row.getColourButton().getButtonText(), "Click to change colour...");
}

TEST_F (ColourRowFixture, DraggingPreviewsAndCancelRestores)
{
    row.setColour (0xff0000ff);
    auto* window = openSelector();
    ASSERT_NE (window, nullptr);
    auto* selector = row.getColourButton().getSelector();
    ASSERT_NE (selector, nullptr);
    EXPECT_EQ (selector->getCurrentColour(), juce::Colour (0xff0000ff));
    EXPECT_EQ (selector->getName(), "barva");

    selector->setCurrentColour (juce::Colour (0xff00ff00));
    pump();
    EXPECT_EQ (row.getColourButton().getPaintedColour(), juce::Colour (0xff00ff00));
    EXPECT_EQ (row.getColourButton().getColour(), juce::Colour (0xff0000ff));

    // a second press while the selector is open does nothing
    row.getColourButton().triggerClick();
    pump();
    EXPECT_EQ (row.getColourButton().currentChild.get(), static_cast<KWindow*> (window));
    EXPECT_EQ (KWManager::getInstance()->getNumKWindows(), 1);

    auto* cancel = wtest::windowButton (*window, "Cancel");
    ASSERT_NE (cancel, nullptr);
    cancel->triggerClick();
    pump (80);
    EXPECT_EQ (row.getColourButton().getPaintedColour(), juce::Colour (0xff0000ff));
    EXPECT_TRUE (bound.getValue().isVoid());
    EXPECT_EQ (row.getColourButton().currentChild.get(), nullptr);
    EXPECT_EQ (KWManager::getInstance()->getNumKWindows(), 0);
}

TEST_F (ColourRowFixture, SelectStoresTheArgbInTheValue)
{
    row.setColour (0xffa500);
    auto* window = openSelector();
    ASSERT_NE (window, nullptr);
    auto* select = wtest::windowButton (*window, "Select");
    ASSERT_NE (select, nullptr);
    select->triggerClick();   // untouched: the colour the button had
    pump (80);
    EXPECT_EQ ((juce::uint32) (int) bound.getValue(), 0xffffa500u);

    window = openSelector();
    ASSERT_NE (window, nullptr);
    row.getColourButton().getSelector()->setCurrentColour (juce::Colour (0xff123456));
    pump();
    wtest::windowButton (*window, "Select")->triggerClick();
    pump (80);
    EXPECT_EQ ((juce::uint32) (int) bound.getValue(), 0xff123456u);
    EXPECT_EQ (row.getColourButton().getColour(), juce::Colour (0xff123456));
    EXPECT_EQ (row.getColourButton().currentChild.get(), nullptr);
}
