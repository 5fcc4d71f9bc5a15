#include "app/IntroScreen.h"
#include "app/MainContentComponent.h"
#include "core/ProductInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace juce;

namespace
{
MouseEvent mouseUpAt (Component& target, Point<float> position)
{
    const auto now = Time::getCurrentTime();
    return MouseEvent (Desktop::getInstance().getMainMouseSource(), position, ModifierKeys(),
                       MouseInputSource::defaultPressure, MouseInputSource::defaultOrientation,
                       MouseInputSource::defaultRotation, MouseInputSource::defaultTiltX, MouseInputSource::defaultTiltY,
                       &target, &target, now, position, now, 1, false);
}
} // namespace

TEST (IntroScreenTest, BarGeometry)
{
    EXPECT_TRUE (LogoDrawComponent::barsFor (5.0f, 100.0f, 0.0f).empty());
    EXPECT_TRUE (LogoDrawComponent::barsFor (0.0f, 100.0f, 0.0f).empty());
    EXPECT_EQ (LogoDrawComponent::barsFor (6.0f, 100.0f, 0.0f).size(), 1u);

    const auto bars = LogoDrawComponent::barsFor (100.0f, 100.0f, 0.0f);
    ASSERT_EQ (bars.size(), 10u);
    for (size_t i = 0; i < bars.size(); ++i)
        EXPECT_FLOAT_EQ (bars[i].x, 5.0f + 10.0f * (float) i);

    // Both sines are 0 at the first bar with phase 0: a zero-length bar at 0.44 of the height.
    EXPECT_FLOAT_EQ (bars[0].y1, 44.0f);
    EXPECT_FLOAT_EQ (bars[0].y2, 44.0f);
    EXPECT_NEAR (bars[1].y1, std::sin (0.38f) * 5.0f + 44.0f, 1e-4);
    EXPECT_NEAR (bars[1].y2, std::sin (0.2f) * 10.0f + 44.0f, 1e-4);

    // The phase moves the two ends at different speeds.
    const auto later = LogoDrawComponent::barsFor (100.0f, 100.0f, 1.0f);
    EXPECT_NEAR (later[0].y1, std::sin (1.0f) * 5.0f + 44.0f, 1e-4);
    EXPECT_NEAR (later[0].y2, std::sin (2.0f) * 10.0f + 44.0f, 1e-4);
}

TEST (IntroScreenTest, PanelLayoutAndTexts)
{
    IntroScreen intro (nullptr);
    intro.setSize (800, 600);

    EXPECT_TRUE (intro.isOpaque());
    EXPECT_EQ (intro.getLogo().getBounds(), Rectangle<int> (10, 10, 780, 580));
    EXPECT_EQ (intro.getWebLink().getBounds(), Rectangle<int> (590, 566, 200, 24));
    EXPECT_EQ (intro.getVersionLabel().getBounds(), Rectangle<int> (10, 566, 580, 24));
    EXPECT_EQ (intro.getIndexOfChildComponent (&intro.getLogo()), intro.getNumChildComponents() - 1)
        << "the logo lies over the label and the link";

    EXPECT_EQ (intro.getVersionLabel().getText(), "Vindoro 2.2.0 - " + vindoro::buildDateText());
    EXPECT_EQ (intro.getVersionLabel().findColour (Label::textColourId), Colour (0xffffffff));
    EXPECT_EQ (intro.getWebLink().findColour (HyperlinkButton::textColourId), Colour (0xffadd8e6));
    EXPECT_EQ (intro.getWebLink().getURL().toString (false), vindoro::kProductWebAddress);
    EXPECT_TRUE (intro.getLogo().hasLogoDrawable());

    Image picture (Image::ARGB, 800, 600, true);
    {
        Graphics g (picture);
        intro.paintEntireComponent (g, true);
    }
    EXPECT_EQ (picture.getPixelAt (2, 300), Colour (0xff4d4d4d));
}

TEST (IntroScreenTest, ReleaseOnTheLogoRemovesTheIntroOnce)
{
    vtest::TestSettings settings;
    MainContentComponent board;
    auto* intro = board.getIntroScreen();
    ASSERT_NE (intro, nullptr);
    EXPECT_EQ (intro->getBounds(), board.getLocalBounds());
    EXPECT_EQ (board.getIndexOfChildComponent (intro), board.getNumChildComponents() - 1);

    // A release in the margin lands on the panel, not on the logo.
    EXPECT_EQ (intro->getComponentAt (5, 300), intro);
    EXPECT_EQ (intro->getComponentAt (400, 300), &intro->getLogo());

    intro->getLogo().mouseUp (mouseUpAt (intro->getLogo(), { 300.0f, 200.0f }));
    EXPECT_EQ (board.getIntroScreen(), nullptr);
    board.removeIntroScreen();
    EXPECT_EQ (board.getIntroScreen(), nullptr);
}

TEST (IntroScreenTest, TimerAdvancesThePhase)
{
    LogoDrawComponent logo;
    EXPECT_FLOAT_EQ (logo.getPhase(), 0.0f);
    MessageManager::getInstance()->runDispatchLoopUntil (200);
    EXPECT_GT (logo.getPhase(), 0.0f);
}
