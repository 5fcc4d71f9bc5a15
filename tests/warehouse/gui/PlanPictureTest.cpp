// The warehouse plan drawn into a PNG for a look by eye (/tmp/vindoro-plan.png): bottled wine
// with its lot and variety dot, boxes, a "(+)" entry, the focused and the selected outline and
// the delivery area; a few pixels are checked where the picture is the point.
#include "frame/ArticlePictures.h"
#include "support/WidgetTestSupport.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/PlanFixture.h"
#include "warehouse/gui/Skladisce.h"

#include <gtest/gtest.h>

using namespace plantest;

namespace
{
juce::OwnedArray<juce::Drawable>& pictures()
{
    static juce::OwnedArray<juce::Drawable> loaded;
    return loaded;
}

juce::Drawable* fromResources (int index)
{
    return pictures()[index];
}

class PlanPicture : public PlanDb
{
protected:
    void SetUp() override
    {
        PlanDb::SetUp();
        for (auto* name : { "steklenica.svg", "skatla.svg" })
            pictures().add (juce::Drawable::createFromSVGFile (vtest::resourcesFolder().getChildFile (name)).release());
        ArticlePictures::setSource (&fromResources);
    }
    void TearDown() override
    {
        ArticlePictures::setSource (nullptr);
        pictures().clear();
    }
};
} // namespace

TEST_F (PlanPicture, PlanWithEveryKindOfTile)
{
    ASSERT_NE (pictures()[0], nullptr);
    ASSERT_NE (pictures()[1], nullptr);
    settings().setValue ("dostavniplac", true);
    settings().setValue ("artikel_sel_color", (int) 0xFFFFA500);
    addEntry (kGlavno, kFrankinja, 120, 110, 0);
    addEntry (kGlavno, kKarton, 4, 220, 0, 2);
    addEntry (kGlavno, kZamasek, 500, 0, 110);
    addEntry (kGlavno, kFrankinja, 36, 110, 110);

    SkladisceRecord record;
    record.id = kGlavno;
    juce::Component holder;   // stands for the window, so focus works as on screen
    holder.setSize (400, 260);
    Skladisce canvas (record, nullptr, 10.0f);
    canvas.editable = true;
    holder.addAndMakeVisible (canvas);
    holder.addToDesktop (juce::ComponentPeer::windowIsTemporary);
    holder.setVisible (true);
    canvas.initArtikli();
    wtest::pump (50);

    const auto& tiles = canvas.getArtikli();
    ASSERT_EQ (tiles.size(), 4);
    tiles[0]->toggleSelected();   // selected without the focus
    tiles[3]->toggleSelected();   // the focused tile unselected shows the focus colour
    ASSERT_TRUE (tiles[3]->hasKeyboardFocus (false));
    wtest::pump (30);

    const auto image = wtest::snapshot (canvas);
    EXPECT_TRUE (wtest::writePng (image, "/tmp/vindoro-plan.png"));
    holder.removeFromDesktop();

    // the variety's dot of the first bottled wine, fully opaque
    const auto dot = image.getPixelAt (110 + 2 + 86 + 4, 0 + 2 + 96 - 4);
    EXPECT_EQ (dot.withAlpha (1.0f), juce::Colour ((juce::uint32) -3407872).withAlpha (1.0f)) << dot.toString();
    // the box tile has no dot there
    EXPECT_NE (image.getPixelAt (220 + 2 + 86 + 4, 0 + 2 + 96 - 4).withAlpha (1.0f), dot.withAlpha (1.0f));
    // outlines: selected in orange, focused in green, the other one darker green
    const auto selected = image.getPixelAt (110 + 50, 0 + 2);
    const auto focused = image.getPixelAt (110 + 50, 110 + 2);
    const auto normal = image.getPixelAt (220 + 50, 0 + 2);
    EXPECT_GT (selected.getRed(), selected.getBlue()) << selected.toString();
    EXPECT_GT (focused.getGreen(), normal.getGreen()) << focused.toString() << " " << normal.toString();
    EXPECT_LT (normal.getRed(), 200) << normal.toString();
}
