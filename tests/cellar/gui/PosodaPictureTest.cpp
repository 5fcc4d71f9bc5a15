// The vessel's picture: the lines of text that fit each height, the kind's drawing, the fill bar,
// the selection outline, and the canvas dragged by the mouse; painted under a real X server and
// written to PNG files under /tmp for a look.
#include "cellar/CellarFixture.h"
#include "cellar/gui/Klet.h"
#include "support/WidgetTestSupport.h"

namespace
{
/** The application's vessel pictures, read from the resources folder once. */
juce::Drawable* testPicture (int index)
{
    static juce::OwnedArray<juce::Drawable> pictures = []
    {
        juce::OwnedArray<juce::Drawable> list;
        for (auto* name : { "buck2.svg", "cisterna.svg", "cisterna2.svg", "buck.svg", "plavnik.svg", "nomblot.svg", "jajce.svg" })
            list.add (juce::Drawable::createFromSVGFile (juce::File (VINDORO_SOURCE_DIR).getChildFile ("resources").getChildFile (name))
                          .release());
        return list;
    }();
    return pictures[index];
}

/** A vessel row as the shared vessel query gives it. */
std::unique_ptr<juce::XmlElement> vesselRow (int tip, double zaloga, double volumen, int declaredVariety = 3)
{
    auto row = std::make_unique<juce::XmlElement> ("ITEM");
    row->setAttribute ("id", 5);
    row->setAttribute ("oznaka", "S1");
    row->setAttribute ("klet", 1);
    row->setAttribute ("volumen", volumen);
    row->setAttribute ("zaloga", zaloga);
    row->setAttribute ("pozx", 0);
    row->setAttribute ("pozy", 0);
    row->setAttribute ("pozz", 0);
    row->setAttribute ("tip", tip);
    row->setAttribute ("sorta", zaloga > 0 ? "Sauvignon" : "");
    row->setAttribute ("letnik", 2019);
    row->setAttribute ("barva", -3407872);   // 0xFFCC0000
    row->setAttribute ("tipizacija", declaredVariety > 1 ? 20 : 1);
    row->setAttribute ("tipizacijasorta", declaredVariety);
    row->setAttribute ("tipizacijakvalitetaoznaka", "vrhunsko vino ZGP");
    row->setAttribute ("active", 1);
    return row;
}

class VesselPicture : public celltest::CellarFixture
{
protected:
    void SetUp() override
    {
        CellarFixture::SetUp();
        previous = Posoda::pictures;
        Posoda::pictures = testPicture;
        for (int i = 0; i < 7; ++i)
            ASSERT_NE (testPicture (i), nullptr) << i;
    }

    void TearDown() override
    {
        Posoda::pictures = previous;
        CellarFixture::TearDown();
    }

    std::unique_ptr<Posoda> vessel (int tip, double zaloga, double volumen, int declaredVariety = 3)
    {
        const auto row = vesselRow (tip, zaloga, volumen, declaredVariety);
        KletRecord klet;
        klet.id = 1;
        klet.ime = "Klet";
        return std::make_unique<Posoda> (nullptr, row.get(), klet, false);
    }

    /** The vessel painted alone on white, `side` pixels square. */
    static juce::Image paintAlone (Posoda& p, int side)
    {
        p.setZoom ((float) side / 10.0f);
        juce::Image image (juce::Image::ARGB, p.getWidth(), p.getHeight(), true);
        juce::Graphics g (image);
        g.fillAll (juce::Colours::white);
        p.paintEntireComponent (g, true);
        return image;
    }

    Posoda::PictureSource previous = nullptr;
};
} // namespace

TEST_F (VesselPicture, EachHeightShowsTheLinesThatFit)
{
    auto p = vessel (2, 300.0, 1000.0);
    const float h = 15.0f;
    struct Case
    {
        float height;
        const char* text;
    };
    const Case cases[] = {
        { 6 * h, "S1" },
        { 6 * h + 1, "S1\nSauvignon 2019(T)" },
        { 7 * h + 1, "S1\nSauvignon 2019(T)\n300/1000L" },
        { 10 * h + 1, "S1\nSauvignon 2019(T)\n300/1000L\n30%" },
        { 13 * h + 1, "S1\nSauvignon 2019(T)\n300/1000L\nvrhunsko vino ZGP\n30%" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (p->describe (c.height, h).getText(), c.text) << c.height;
}

TEST_F (VesselPicture, StockCapacityAndDeclarationShapeTheText)
{
    const float tall = 14 * 15.0f;
    struct Case
    {
        const char* what;
        double zaloga, volumen;
        int declared;
        const char* text;
    };
    const Case cases[] = {
        { "empty", 0.0, 1000.0, 3, "S1\nprazna posoda\n0/1000L\nvrhunsko vino ZGP\n0%" },
        { "a trace below a hundredth is empty", 0.004, 1000.0, 3, "S1\nprazna posoda\n0/1000L\nvrhunsko vino ZGP\n0%" },
        { "over-full", 1200.0, 1000.0, 3, "S1\nSauvignon 2019(T)\n1200/1000L\nvrhunsko vino ZGP\n100%" },
        { "whole litres", 123.45, 225.0, 3, "S1\nSauvignon 2019(T)\n123/225L\nvrhunsko vino ZGP\n54%" },
        { "undeclared", 300.0, 1000.0, 1, "S1\nSauvignon 2019\n300/1000L\n30%" },
        { "no capacity", 300.0, 0.0, 3, "S1\nSauvignon 2019(T)\n300/0L\nvrhunsko vino ZGP\n0%" },
        { "negative capacity", 300.0, -5.0, 3, "S1\nSauvignon 2019(T)\n300/-5L\nvrhunsko vino ZGP\n0%" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (vessel (2, c.zaloga, c.volumen, c.declared)->describe (tall, 15.0f).getText(), c.text) << c.what;
}

TEST_F (VesselPicture, EveryKindIsPaintedAtEveryHeightFullEmptyAndSelected)
{
    auto probe = vessel (2, 300.0, 1000.0);
    const float h = probe->labelFontHeight();
    ASSERT_GT (h, 0.0f);
    // Picture areas just above 6h, 7h, 10h and 13h (the area is the side less 4).
    const int sides[] = { (int) (6 * h) + 10, (int) (7 * h) + 10, (int) (10 * h) + 10, (int) (13 * h) + 10 };
    const int kinds[] = { 1, 2, 3, 4, 5, 6, 7, 8, 9 };

    const int cell = sides[3] + 10;
    juce::Image sheet (juce::Image::ARGB, cell * 9, cell * 5, true);
    juce::Graphics sheetG (sheet);
    sheetG.fillAll (juce::Colours::white);

    for (int s = 0; s < 4; ++s)
    {
        const auto bare = paintAlone (*vessel (1, 300.0, 1000.0), sides[s]);
        EXPECT_EQ (bare.getWidth(), sides[s]);
        for (int k = 0; k < 9; ++k)
        {
            auto p = vessel (kinds[k], 300.0, 1000.0);
            const auto image = paintAlone (*p, sides[s]);
            sheetG.drawImageAt (image, k * cell, s * cell);
            // Kinds 2 to 8 draw their picture behind the text; 1 and 9 draw none.
            int differing = 0;
            for (int y = sides[s] / 4; y < sides[s] * 3 / 4; y += 2)
                for (int x = 4; x < sides[s] - 4; x += 2)
                    if (image.getPixelAt (x, y) != bare.getPixelAt (x, y))
                        ++differing;
            if (kinds[k] >= 2 && kinds[k] <= 8)
                EXPECT_GT (differing, 20) << "kind " << kinds[k] << " side " << sides[s];
            else if (kinds[k] == 9)
                EXPECT_EQ (differing, 0) << "side " << sides[s];
        }
    }

    // Full, empty, over capacity 0 and selected, each of kind 2 at the tallest size.
    const int side = sides[3];
    auto full = vessel (2, 1000.0, 1000.0);
    auto empty = vessel (2, 0.0, 1000.0);
    auto noCapacity = vessel (2, 300.0, 0.0);
    auto selected = vessel (2, 300.0, 1000.0);
    selected->setSelected (true);
    auto unselected = vessel (2, 300.0, 1000.0);
    Posoda* row[] = { full.get(), empty.get(), noCapacity.get(), selected.get(), unselected.get() };
    juce::Image images[5];
    for (int i = 0; i < 5; ++i)
    {
        images[i] = paintAlone (*row[i], side);
        sheetG.drawImageAt (images[i], i * cell, 4 * cell);
    }
    EXPECT_TRUE (wtest::writePng (sheet, "/tmp/vindoro-vessels.png"));

    // Near the right end of the bar: the variety's red at half opacity when full, nothing when
    // empty or without a capacity.
    const auto area = juce::Rectangle<float> (0, 0, (float) side, (float) side).reduced (2.0f);
    const auto bar = area.withTrimmedTop (area.getHeight() * 0.85f).reduced (5.0f);
    const int bx = (int) (bar.getRight() - 8), by = (int) bar.getCentreY();
    const auto fullBar = images[0].getPixelAt (bx, by);
    EXPECT_GT (fullBar.getRed(), fullBar.getGreen() + 60) << fullBar.toDisplayString (true);
    for (int i : { 1, 2 })
    {
        const auto px = images[i].getPixelAt (bx, by);
        EXPECT_LT (std::abs ((int) px.getRed() - (int) px.getGreen()), 30) << i << " " << px.toDisplayString (true);
    }
    // The selection outline runs along the picture area's left edge.
    const auto outline = images[3].getPixelAt (2, side / 2);
    const auto plain = images[4].getPixelAt (2, side / 2);
    EXPECT_GT (outline.getBlue(), outline.getRed() + 60) << outline.toDisplayString (true);
    EXPECT_LT (std::abs ((int) plain.getBlue() - (int) plain.getRed()), 30) << plain.toDisplayString (true);
}

TEST_F (VesselPicture, TheCanvasIsDraggedByTheMouseAndStaysInsideItsParent)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET tip=3 WHERE id=5; UPDATE posoda SET tip=5 WHERE id=7; UPDATE posoda SET tip=8 WHERE id=8;"
                       "UPDATE posoda SET pozx=0, pozy=0 WHERE id=5; UPDATE posoda SET pozx=240, pozy=0 WHERE id=7;"
                       "UPDATE posoda SET pozx=0, pozy=120 WHERE id=8;"));
    juce::Component parent;
    parent.setSize (700, 500);
    auto canvas = std::make_unique<Klet> (1, nullptr, 10.0f);
    canvas->setSize (600, 450);
    canvas->setEditable (false);
    canvas->loadPosode();
    parent.addAndMakeVisible (*canvas);
    ASSERT_EQ (canvas->getNumPosode(), 4);
    // (largest right 340 + 20) x (largest bottom 220 + 20)
    ASSERT_EQ (canvas->getBounds(), juce::Rectangle<int> (0, 0, 360, 240));

    // Pressed on the empty corner at the bottom right, moved by (50, 30).
    const juce::Point<int> down (350, 230);
    canvas->mouseDown (wtest::mouseAt (*canvas, down.x, down.y));
    EXPECT_TRUE (canvas->getSelectionBox().hasFirstPoint());
    canvas->mouseDrag (wtest::mouseAt (*canvas, down.x + 50, down.y + 30));
    EXPECT_TRUE (canvas->getSelectionBox().isComplete());
    EXPECT_EQ (canvas->getPosition(), juce::Point<int> (50, 30));
    canvas->mouseUp (wtest::mouseAt (*canvas, down.x - 50 + 50, down.y));
    EXPECT_FALSE (canvas->getSelectionBox().isComplete());

    // Far beyond the parent's edge: held wholly inside it.
    canvas->mouseDown (wtest::mouseAt (*canvas, 10, 10));
    canvas->mouseDrag (wtest::mouseAt (*canvas, 1000, 1000));
    EXPECT_EQ (canvas->getPosition(), juce::Point<int> (700 - 360, 500 - 240));
    canvas->mouseUp (wtest::mouseAt (*canvas, 1000, 1000));

    // A right-button drag moves it as well but leaves the selection box alone.
    const juce::ModifierKeys right (juce::ModifierKeys::rightButtonModifier);
    canvas->mouseDown (wtest::mouseAt (*canvas, 10, 10, 1, right));
    EXPECT_FALSE (canvas->getSelectionBox().hasFirstPoint());
    canvas->mouseDrag (wtest::mouseAt (*canvas, -90, -40, 1, right));
    EXPECT_EQ (canvas->getPosition(), juce::Point<int> (700 - 360 - 100, 500 - 240 - 50));

    // Nothing of a canvas drag reaches the database, and the vessels kept their places on it.
    EXPECT_EQ (rows ("SELECT id,pozx,pozy FROM posoda WHERE klet=1 ORDER BY id"),
               juce::StringArray ({ "5|0.0|0.0", "6|120.0|0.0", "7|240.0|0.0", "8|0.0|120.0" }));
    EXPECT_EQ (canvas->getPosodaAt (3)->getBounds().getPosition(), juce::Point<int> (120, 0));

    const auto path = "/tmp/vindoro-canvas-dragged.png";
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (parent), path));
    const auto shot = wtest::snapshot (parent);
    // The parent's top-left corner is uncovered now; the canvas's white veil lies over its own area.
    EXPECT_EQ (shot.getPixelAt (5, 5).getAlpha(), 0);
    EXPECT_GT (shot.getPixelAt (canvas->getX() + 2, canvas->getY() + 2).getAlpha(), 0);
}

TEST_F (VesselPicture, TheCanvasCopiesOneBackdropPerKindAndLooksAsIfDrawnDirectly)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET tip=2 WHERE id IN (5,7); UPDATE posoda SET tip=3 WHERE id=6; UPDATE posoda SET tip=5 WHERE id=8;"
                       "UPDATE posoda SET pozx=0, pozy=120 WHERE id=7; UPDATE posoda SET pozx=240, pozy=0 WHERE id=8;"));
    const auto paintOnWhite = [] (Klet& canvas)
    {
        juce::Image image (juce::Image::ARGB, canvas.getWidth(), canvas.getHeight(), true);
        juce::Graphics g (image);
        g.fillAll (juce::Colours::white);
        canvas.paintEntireComponent (g, true);
        return image;
    };

    for (float zoom : { 10.0f, 20.0f, 7.3f })
    {
        SCOPED_TRACE (zoom);
        Klet canvas (1, nullptr, zoom);
        canvas.loadPosode();
        ASSERT_EQ (canvas.getNumPosode(), 4);
        EXPECT_EQ (canvas.getPictureCache().getNumImages(), 0);
        const auto cached = paintOnWhite (canvas);
        // Kinds 2, 3 and 5: the two vessels of kind 2 share one.
        EXPECT_EQ (canvas.getPictureCache().getNumImages(), 3);
        // A second paint copies the same backdrops and reuses the laid-out texts.
        const auto again = paintOnWhite (canvas);
        EXPECT_EQ (canvas.getPictureCache().getNumImages(), 3);

        for (int i = 0; i < canvas.getNumPosode(); ++i)
            canvas.getPosodaAt (i)->setPictureCache (nullptr);
        const auto direct = paintOnWhite (canvas);

        // Composing the backdrop apart rounds a little differently, nothing more.
        int worst = 0, differentAgain = 0;
        for (int y = 0; y < direct.getHeight(); ++y)
            for (int x = 0; x < direct.getWidth(); ++x)
            {
                const auto d = direct.getPixelAt (x, y), c = cached.getPixelAt (x, y);
                worst = juce::jmax (worst, std::abs ((int) d.getRed() - (int) c.getRed()),
                                    std::abs ((int) d.getGreen() - (int) c.getGreen()),
                                    std::abs ((int) d.getBlue() - (int) c.getBlue()));
                if (again.getPixelAt (x, y) != c)
                    ++differentAgain;
            }
        EXPECT_LE (worst, 3);
        EXPECT_EQ (differentAgain, 0);
        if (zoom == 20.0f)
        {
            EXPECT_TRUE (wtest::writePng (cached, "/tmp/vindoro-canvas-cached.png"));
            EXPECT_TRUE (wtest::writePng (direct, "/tmp/vindoro-canvas-direct.png"));
        }
    }

    // A new zoom drops the backdrops of the old size.
    Klet canvas (1, nullptr, 10.0f);
    canvas.loadPosode();
    paintOnWhite (canvas);
    ASSERT_EQ (canvas.getPictureCache().getNumImages(), 3);
    canvas.setZoom (20.0f);
    EXPECT_EQ (canvas.getPictureCache().getNumImages(), 0);
}
