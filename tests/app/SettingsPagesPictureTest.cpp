// Pictures of the three settings tabs in the main window, each with one section opened by a
// click on its title. Written to /tmp/vindoro-shots for a person to look at, checked at a few points.
#include "app/MainContentComponent.h"
#include "app/MainWindow.h"
#include "app/PropertiesVindor.h"
#include "app/PropertiesVindor2.h"
#include "app/PropertiesVindor3.h"
#include "app/VindorTabbedComponent.h"
#include "core/VindorLanguage.h"
#include "frame/LookAndFeel_Vindor.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"
#include "widgets/VindorPropertyPanel.h"

#include <gtest/gtest.h>

using namespace juce;

namespace
{
void openByClick (VindorPropertyPanel& panel, int index)
{
    auto* section = panel.getTitledSection (index);
    ASSERT_NE (section, nullptr);
    const auto e = wtest::mouseAt (*section, 20, section->getTitleHeight() / 2);
    section->mouseDown (e);
    section->mouseUp (e);
    wtest::pump (50);
}
} // namespace

TEST (SettingsPagesPictureTest, ThreePagesWithOneSectionOpen)
{
    vtest::TestSettings settings;
    settings.user().setValue ("resourcespath", vtest::resourcesFolder().getFullPathName());
    settings.user().setValue ("folder_nw", "/");
    settings.user().setValue ("WindowWidth", 900);
    settings.user().setValue ("WindowHeight", 760);
    settings.user().setValue ("uporabnik", "Ana");
    settings.user().setValue ("printbordertop", "15");
    VindorLanguage language;
    {
        MainWindow window ("Vindoro (Ana)");
        window.setUsingNativeTitleBar (false);
        auto* board = window.getContent();
        ASSERT_NE (board, nullptr);
        board->removeIntroScreen();
        wtest::pump (50);
        ASSERT_NE (dynamic_cast<LookAndFeel_Vindor*> (&LookAndFeel::getDefaultLookAndFeel()), nullptr)
            << "the settings page put the stored style in force";

        auto* tabs = board->getTabs();
        struct Shot { int tab; int section; const char* name; };
        for (auto shot : { Shot { 1, 0, "settings-program" }, Shot { 2, 0, "settings-company" }, Shot { 3, -1, "settings-about" } })
        {
            tabs->setCurrentTabIndex (shot.tab);
            wtest::pump (50);
            auto* page = tabs->getTabContentComponent (shot.tab);
            ASSERT_NE (page, nullptr);
            ASSERT_TRUE (page->isShowing());
            if (shot.section >= 0)
                openByClick (*wtest::findChild<VindorPropertyPanel> (*page), shot.section);

            auto image = wtest::snapshot (window);
            ASSERT_TRUE (wtest::writePng (image, String ("/tmp/vindoro-shots/") + shot.name + ".png"));

            // The page's two lower corners show its background; an open section's title bar is
            // drawn over it in another colour.
            const auto origin = page->getScreenPosition() - window.getScreenPosition();
            const auto left = image.getPixelAt (origin.x + 1, origin.y + page->getHeight() - 2);
            EXPECT_EQ (left, image.getPixelAt (origin.x + page->getWidth() - 2, origin.y + page->getHeight() - 2)) << shot.name;
            if (shot.section >= 0)
            {
                auto* section = wtest::findChild<VindorPropertyPanel> (*page)->getTitledSection (shot.section);
                ASSERT_TRUE (section->isSectionOpen());
                auto* firstRow = section->getChildComponent (section->getNumChildComponents() - 1);
                ASSERT_TRUE (firstRow != nullptr && firstRow->isShowing());
                const auto row = firstRow->getScreenBounds().getCentre() - window.getScreenPosition();
                EXPECT_NE (image.getPixelAt (row.x, row.y), left) << shot.name << ": the open section's first row";
            }
        }

        auto* program = dynamic_cast<PropertiesVindor*> (tabs->getTabContentComponent (1));
        ASSERT_NE (program, nullptr);
        EXPECT_TRUE (program->getPanel().isSectionOpen (0));
    }
    LookAndFeel::setDefaultLookAndFeel (nullptr);
    LocalisedStrings::setCurrentMappings (nullptr);
}
