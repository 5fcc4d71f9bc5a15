#include "cellar/CellarFixture.h"
#include "cellar/gui/Klet.h"
#include "support/WidgetTestSupport.h"

using celltest::CellarFixture;

namespace
{
/** Vessels 5 to 8 of cellar 1 at known places: 6 at (120, 0), the rest as the test sets them. */
class KletCanvasTest : public CellarFixture
{
protected:
    std::unique_ptr<Klet> open (bool editable, float zoom = 10.0f)
    {
        auto canvas = std::make_unique<Klet> (1, nullptr, zoom);
        canvas->setSize (600, 450);
        canvas->setEditable (editable);
        canvas->loadPosode();
        return canvas;
    }
};
} // namespace

TEST_F (KletCanvasTest, VesselsStackAndTheLastLoadedIsSelected)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET pozz=0, pozx=0, pozy=0 WHERE id IN (5,7); UPDATE posoda SET active=0 WHERE id=8;"));
    auto canvas = open (true);
    ASSERT_EQ (canvas->getNumPosode(), 3);
    EXPECT_EQ (canvas->getIme(), "Klet");
    // Rows 5 and 7 both stacked at 0: the later lies behind the earlier; 6 (pozz 1) sits at index 1.
    EXPECT_EQ (canvas->getIndexOfChildComponent (canvas->getPosodaAt (2)), 1);
    EXPECT_EQ (canvas->getSelectedPosoda().id, 6);
    EXPECT_TRUE (canvas->getPosodaAt (2)->isSelected());
    EXPECT_EQ (canvas->getPosodaAt (2)->getBounds(), juce::Rectangle<int> (120, 0, 100, 100));
    EXPECT_EQ (canvas->getBounds().getWidth(), 240);
    EXPECT_EQ (canvas->getBounds().getHeight(), 120);

    canvas->setZoom (20.0f);
    EXPECT_EQ (canvas->getPosodaAt (2)->getBounds(), juce::Rectangle<int> (240, 0, 200, 200));
    EXPECT_EQ (canvas->getWidth(), 460);
    EXPECT_EQ (canvas->getHeight(), 220);

    vtest::LogCapture log;
    canvas->setZoom (0.0f);
    EXPECT_TRUE (log.contains ("ERROR zoom je 0.000000e+00"));
    EXPECT_EQ (canvas->getWidth(), 460);
}

TEST_F (KletCanvasTest, ANewVesselIsPlacedBelowOrRightOfTheOthers)
{
    struct Case
    {
        const char* places;
        juce::Point<int> expected;
    };
    const Case cases[] = {
        { "UPDATE posoda SET pozx=200, pozy=0 WHERE id=6; UPDATE posoda SET pozx=0,pozy=0 WHERE id IN (7,8);", { 10, 110 } },
        { "UPDATE posoda SET pozx=50, pozy=0 WHERE id=6; UPDATE posoda SET pozx=0,pozy=0 WHERE id IN (7,8);", { 160, 10 } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.places);
        ASSERT_TRUE (exec (c.places));
        ASSERT_TRUE (exec ("UPDATE posoda SET pozx=0, pozy=0, pozz=0 WHERE id=5"));
        auto canvas = open (true);
        // Vessel 5 lies under the others at (0, 0), like a vessel just added.
        const int index = canvas->placePosoda (5);
        ASSERT_GE (index, 0);
        EXPECT_EQ (canvas->getPosodaAt (index)->getPosition(), c.expected);
        EXPECT_EQ (rows ("SELECT pozx,pozy FROM posoda WHERE id=5"),
                   juce::StringArray ({ juce::String (c.expected.x) + ".0|" + juce::String (c.expected.y) + ".0" }));
        EXPECT_EQ (canvas->placePosoda (42), -1);
    }
}

TEST_F (KletCanvasTest, ADragAtZoomFiveStoresCanvasUnitsAndViewModeWritesNothing)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET pozx=0, pozy=0 WHERE id<>6"));
    for (bool editable : { true, false })
    {
        SCOPED_TRACE (editable ? "edit" : "view");
        auto canvas = open (editable, 5.0f);
        canvas->setSize (800, 600);
        auto* vessel = canvas->getPosodaAt (0);
        EXPECT_EQ (vessel->getBounds(), juce::Rectangle<int> (0, 0, 50, 50));
        EXPECT_EQ (canvas->getPosodaAt (3)->getBounds(), juce::Rectangle<int> (60, 0, 50, 50));
        vessel->mouseDown (wtest::mouseAt (*vessel, 5, 5));
        vessel->mouseDrag (wtest::mouseAt (*vessel, 105, 45));
        vessel->mouseUp (wtest::mouseAt (*vessel, 105, 45));
        wtest::pump();
        EXPECT_EQ (canvas->getSelectedPosoda().id, vessel->getPosoda().id);
        vtest::LogCapture log;
        canvas->updateNewPositionsToDB();
        const auto id = juce::String (vessel->getPosoda().id);
        if (editable)
        {
            EXPECT_EQ (vessel->getPosition(), juce::Point<int> (100, 40));
            EXPECT_EQ (rows ("SELECT pozx,pozy FROM posoda WHERE id=" + id), juce::StringArray ({ "200.0|80.0" }));
            ASSERT_TRUE (exec ("UPDATE posoda SET pozx=0, pozy=0, pozz=0 WHERE id=" + id));
        }
        else
        {
            EXPECT_EQ (vessel->getPosition(), juce::Point<int> (0, 0));
            EXPECT_FALSE (log.contains ("UPDATE posoda"));
            EXPECT_TRUE (log.contains ("WARNING: Can't edit in viewer mode!"));
            EXPECT_EQ (rows ("SELECT pozx,pozy FROM posoda WHERE id=" + id), juce::StringArray ({ "0.0|0.0" }));
        }
    }
}

TEST_F (KletCanvasTest, TheCanvasRendersFullEmptyAndSelectedVessels)
{
    // Kinds 2 to 8 and the unknown 1 and 9, at heights for the label only up to every line.
    ASSERT_TRUE (exec ("UPDATE posoda SET volumen=0 WHERE id=7; UPDATE posoda SET tip=3, pozx=0, pozy=0 WHERE id=5;"
                       "UPDATE posoda SET tip=9, pozx=240, pozy=0 WHERE id=7; UPDATE posoda SET tip=7, pozx=360, pozy=0 WHERE id=8;"));
    for (float zoom : { 5.0f, 10.0f, 16.0f, 24.0f })
    {
        auto canvas = open (true, zoom);
        canvas->setSize (canvas->getWidth(), canvas->getHeight());
        const auto image = wtest::snapshot (*canvas);
        ASSERT_TRUE (image.isValid());
        const auto path = juce::File::getSpecialLocation (juce::File::tempDirectory)
                              .getChildFile ("vindoro-cellar-" + juce::String ((int) zoom) + ".png").getFullPathName();
        EXPECT_TRUE (wtest::writePng (image, path));
        // The full vessel 8 has its bar filled in its variety's colour near the bar's right end.
        Posoda* full = nullptr;
        for (int i = 0; i < canvas->getNumPosode(); ++i)
            if (canvas->getPosodaAt (i)->getPosoda().id == 8)
                full = canvas->getPosodaAt (i);
        ASSERT_NE (full, nullptr);
        const auto bar = full->getBounds().toFloat().reduced (2.0f);
        const auto probe = image.getPixelAt ((int) (bar.getRight() - 12), (int) (bar.getBottom() - 0.07f * bar.getHeight()));
        if (zoom >= 10.0f) // at zoom 5 the bar is thinner than its own margins
            EXPECT_GT (probe.getBlue(), probe.getRed()) << zoom;
    }
}
