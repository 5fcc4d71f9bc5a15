#include "frame/LookAndFeel_Vindor.h"
#include "frame/LookAndFeel_Vindor_DocumentWindowButton.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace juce;

namespace
{
// Installs a look-and-feel as the default while it lives and puts the previous default back.
struct ScopedDefaultLookAndFeel
{
    explicit ScopedDefaultLookAndFeel (LookAndFeel* laf) : previous (&LookAndFeel::getDefaultLookAndFeel())
    {
        LookAndFeel::setDefaultLookAndFeel (laf);
    }
    ~ScopedDefaultLookAndFeel() { LookAndFeel::setDefaultLookAndFeel (previous); }
    LookAndFeel* previous;
};

struct SizeCase
{
    float dpi, mm, fontPixels;
    int rowHeight;
};
} // namespace

TEST (LookAndFeel_VindorTest, SizeTableFollowsDensityAndMillimetres)
{
    const SizeCase cases[] = {
        { 96.0f, 6.0f, 22.5f, 38 },  // 37.5 rounds to the even neighbour
        { 0.0f, 6.0f, 18.75f, 31 },  // no density reported: 80 dpi
        { 0.5f, 6.0f, 18.75f, 31 },
        { 96.0f, 4.0f, 15.0f, 25 },
        { 144.0f, 6.0f, 33.75f, 56 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (String (c.dpi) + " dpi " + String (c.mm) + " mm");
        const float px = LookAndFeel_Vindor::fontSizeForDisplay (c.dpi, c.mm);
        EXPECT_FLOAT_EQ (px, c.fontPixels);
        EXPECT_EQ (rowHeightForFontHeight (px), c.rowHeight);
    }
}

TEST (LookAndFeel_VindorTest, InstalledStyleDrivesRowHeightAndFonts)
{
    vtest::TestSettings settings;
    vtest::LogCapture log;
    settings.user().setValue ("fontsize_mm", 6);

    LookAndFeel_Vindor laf;
    ASSERT_FLOAT_EQ (laf.getScreenDpi(), 96.0f) << "test.sh pins Xvfb to 96 dpi";
    EXPECT_FLOAT_EQ (laf.getDefaultFontSize(), 22.5f);
    EXPECT_TRUE (log.contains ("<LookAndFeel_Vindor::resetDefaultFontSize> Font size:22.5 pixels or:6 mm"));

    {
        ScopedDefaultLookAndFeel scoped (&laf);
        EXPECT_EQ (defaultRowHeight(), 38);
        EXPECT_FLOAT_EQ (getScaledFont (2.0f).getHeight(), 45.0f);

        TextButton shortButton ("x");
        EXPECT_FLOAT_EQ (laf.getTextButtonFont (shortButton, 20).getHeight(), 12.0f);
        EXPECT_FLOAT_EQ (laf.getTextButtonFont (shortButton, 60).getHeight(), 22.5f);

        int w = 0, h = 0;
        laf.getIdealPopupMenuItemSize ("Kleti", false, 17, w, h);
        EXPECT_EQ (h, 29) << "the item follows the font, not the menu's standard height";
        laf.getIdealPopupMenuItemSize ({}, true, 17, w, h);
        EXPECT_EQ (w, 50);
        EXPECT_EQ (h, 8);
        laf.getIdealPopupMenuItemSize ({}, true, 0, w, h);
        EXPECT_EQ (h, 10);

        Label label ({}, "x");
        label.setFont (Font (9.0f));
        EXPECT_FLOAT_EQ (laf.getLabelFont (label).getHeight(), 22.5f);
    }

    // Under a framework style a new label keeps its 15-pixel font, whatever "fontsize_mm" says.
    LookAndFeel_V3 v3;
    ScopedDefaultLookAndFeel scoped (&v3);
    EXPECT_EQ (defaultRowHeight(), 25);
}

TEST (LookAndFeel_VindorTest, FourMillimetresGiveRowsOf25)
{
    vtest::TestSettings settings;
    settings.user().setValue ("fontsize_mm", 4);
    LookAndFeel_Vindor laf;
    ScopedDefaultLookAndFeel scoped (&laf);
    EXPECT_FLOAT_EQ (laf.getDefaultFontSize(), 15.0f);
    EXPECT_EQ (defaultRowHeight(), 25);
}

TEST (LookAndFeel_VindorTest, SchemeColours)
{
    vtest::TestSettings settings;
    LookAndFeel_Vindor laf;
    const std::pair<int, uint32> expected[] = {
        { TreeView::selectedItemBackgroundColourId, 0x301111ee },
        { ResizableWindow::backgroundColourId, 0xfffcf4d0 },
        { TextButton::buttonColourId, 0xff2d1a16 },
        { TextButton::textColourOffId, 0xfffcf4d0 },
        { PropertyComponent::backgroundColourId, 0xfffae9a1 },
        { TextEditor::outlineColourId, 0x002d1a16 },
        { TabbedButtonBar::tabOutlineColourId, 0x7f2d1a16 },
        { TabbedComponent::backgroundColourId, 0x7ffcf4d0 },
        { TabbedComponent::outlineColourId, 0x662d1a16 },
        { ScrollBar::thumbColourId, 0x21000000 },
        { ListBox::textColourId, 0x002d1a16 },
    };
    for (const auto& [id, argb] : expected)
        EXPECT_EQ (laf.findColour (id).getARGB(), argb) << String::toHexString (id);
}

TEST (LookAndFeel_VindorTest, WindowBackgroundIsTiledPictureOrCream)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;

    // A 2x2 checker picture: tiled from the window's origin, pixel (3,3) repeats pixel (1,1).
    Image tile (Image::ARGB, 2, 2, true);
    tile.setPixelAt (0, 0, Colours::red);
    tile.setPixelAt (1, 1, Colours::blue);
    tile.setPixelAt (1, 0, Colours::green);
    tile.setPixelAt (0, 1, Colours::green);
    auto file = temp.file ("tile.png");
    {
        FileOutputStream out (file);
        PNGImageFormat().writeImageToStream (tile, out);
    }

    struct Case { String backgroundfile; Colour at11; };
    const Case cases[] = {
        { file.getFullPathName(), Colours::blue },
        { {}, Colour (0xfffcf4d0) },
        { temp.file ("missing.png").getFullPathName(), Colour (0xfffcf4d0) },
    };
    for (const auto& c : cases)
    {
        settings.user().setValue ("backgroundfile", c.backgroundfile);
        LookAndFeel_Vindor laf;
        ResizableWindow window ("w", Colours::black, false);
        Image target (Image::ARGB, 4, 4, true);
        Graphics g (target);
        laf.fillResizableWindowBackground (g, 4, 4, {}, window);
        EXPECT_EQ (target.getPixelAt (3, 3).getARGB(), c.at11.getARGB()) << c.backgroundfile;
    }
}

TEST (LookAndFeel_VindorTest, TitleBarButtonsExistForTheThreeKinds)
{
    vtest::TestSettings settings;
    LookAndFeel_Vindor laf;
    for (int type : { DocumentWindow::closeButton, DocumentWindow::minimiseButton, DocumentWindow::maximiseButton })
    {
        std::unique_ptr<Button> b (laf.createDocumentWindowButton (type));
        ASSERT_NE (b, nullptr);
        EXPECT_NE (dynamic_cast<LookAndFeel_Vindor_DocumentWindowButton*> (b.get()), nullptr);
    }
    EXPECT_EQ (laf.createDocumentWindowButton (1 << 10), nullptr);
}

TEST (LookAndFeel_VindorTest, SectionHeaderBoxOnTheLeftTextFrom32)
{
    vtest::TestSettings settings;
    LookAndFeel_Vindor laf;
    Image image (Image::RGB, 300, 30, true);
    {
        Graphics g (image);
        g.fillAll (Colours::white);
        laf.drawPropertyPanelSectionHeader (g, "Nastavitve", true, 300, 30);
    }

    // Columns that hold dark pixels: the box lies in the 30 x 30 square, the text starts at 32.
    auto columnIsDark = [&image] (int x)
    {
        for (int y = 0; y < image.getHeight(); ++y)
            if (image.getPixelAt (x, y).getBrightness() < 0.5f)
                return true;
        return false;
    };
    auto squareIsDrawn = [&image]
    {
        for (int x = 0; x < 30; ++x)
            for (int y = 0; y < 30; ++y)
                if (image.getPixelAt (x, y).getBrightness() < 0.9f)
                    return true;
        return false;
    };
    int firstTextColumn = -1;
    for (int x = 30; x < image.getWidth() && firstTextColumn < 0; ++x)
        if (columnIsDark (x))
            firstTextColumn = x;
    EXPECT_TRUE (squareIsDrawn()) << "the plus/minus box";
    EXPECT_GE (firstTextColumn, 32);
    EXPECT_LE (firstTextColumn, 36);
}
