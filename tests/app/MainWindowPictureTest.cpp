// Pictures of the main window in the program's own look: the intro, the board and a settings tab.
// Each is written to /tmp/vindoro-shots for a person to look at, and checked at a few points.
#include "app/IntroScreen.h"
#include "frame/LookAndFeel_Vindor.h"
#include "app/MainContentComponent.h"
#include "app/MainWindow.h"
#include "core/VindorLanguage.h"
#include "app/VindorTabbedComponent.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

using namespace juce;

namespace
{
Image snapshot (Component& c, const String& name)
{
    auto image = wtest::snapshot (c);
    wtest::writePng (image, "/tmp/vindoro-shots/" + name + ".png");
    return image;
}
} // namespace

TEST (MainWindowPictureTest, IntroBoardAndTabInTheProgramsLook)
{
    vtest::TestSettings settings;
    settings.user().setValue ("resourcespath", vtest::resourcesFolder().getFullPathName());
    settings.user().setValue ("backgroundfile", vtest::resourcesFolder().getChildFile ("les3.png").getFullPathName());
    settings.user().setValue ("WindowWidth", 900);
    settings.user().setValue ("WindowHeight", 640);

    settings.user().setValue ("folder_nw", "/");
    VindorLanguage language;

    LookAndFeel_Vindor laf;
    ASSERT_TRUE (laf.getBackgroundImage().isValid()) << "the shipped background picture loads";
    LookAndFeel::setDefaultLookAndFeel (&laf);
    {
        MainWindow window ("Vindoro");
        window.setUsingNativeTitleBar (false);
        auto* board = window.getContent();
        ASSERT_NE (board, nullptr);
        MessageManager::getInstance()->runDispatchLoopUntil (50);

        auto intro = snapshot (window, "intro");
        const auto introOrigin = board->getIntroScreen()->getScreenPosition() - window.getScreenPosition();
        EXPECT_EQ (intro.getPixelAt (introOrigin.x + 3, introOrigin.y + 100), Colour (IntroScreen::kBackground));

        board->removeIntroScreen();
        auto shot = snapshot (window, "board");
        auto* button = board->getButton (0);
        const auto centre = button->getScreenBounds().getCentre() - window.getScreenPosition();
        const auto buttonPixel = shot.getPixelAt (centre.x - button->getWidth() / 3, centre.y);
        const auto besidePixel = shot.getPixelAt (centre.x - button->getWidth() / 2 - 8, centre.y);
        EXPECT_LT (buttonPixel.getBrightness() + 0.2f, besidePixel.getBrightness()) << "brown buttons on light wood";

        board->getTabs()->setCurrentTabIndex (3);
        snapshot (window, "about-tab");
        board->getTabs()->setCurrentTabIndex (0);
    }
    LookAndFeel::setDefaultLookAndFeel (nullptr);
    LocalisedStrings::setCurrentMappings (nullptr);
}
