// The PostScript text is the contract: every case compares what the writer wrote, byte for byte.
#include "print/PrintTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using vtest::BareWriter;

namespace
{
const juce::String kProlog =
    "\n%%CreationDate: none\n%%LanguageLevel: 2\n%%EndComments\n%%BeginProlog\n%%BeginResource: JRes\n"
    "/bd {bind def} bind def\n/c {setrgbcolor} bd\n/m {moveto} bd\n/l {lineto} bd\n/rl {rlineto} bd\n"
    "/ct {curveto} bd\n/cp {closepath} bd\n"
    "/pr {3 index 3 index moveto 1 index 0 rlineto 0 1 index rlineto pop neg 0 rlineto pop pop closepath} bd\n"
    "/doclip {initclip newpath} bd\n/endclip {clip newpath} bd\n%%EndResource\n%%EndProlog\n%%BeginSetup";

juce::String portraitHeader (int page, int pages, const juce::String& title = "T")
{
    return "%!PS-Adobe-3.0 \n%%BoundingBox: 0 0 595 842\n%%Orientation: Portrait\n%%DocumentMedia: a4 595 842 80 () ()"
           "\n%%Pages: " + juce::String (pages) + "\n%%Creator: Vindoro\n%%Title: " + title + kProlog
         + "\n% A4, unrotated\n<< /PageSize [595 842] /Orientation 0 >> setpagedevice"
           "\n%%EndSetup\n%%Page: " + juce::String (page) + " " + juce::String (page)
         + "\n%%BeginPageSetup\n0 842 translate\n1.0000 1.0000 scale\n\n\n%%EndPageSetup\n\n";
}

struct Written
{
    juce::MemoryOutputStream stream;
    juce::String text() const { return stream.toUTF8(); }
    /** What was written after the page header of page 1. */
    juce::String body (const juce::String& header) const { return text().fromFirstOccurrenceOf (header, false, false); }
};
} // namespace

TEST (myPostScriptTest, EmptyPortraitPageIsExactlyTheHeader)
{
    Written w;
    BareWriter ps (w.stream);
    EXPECT_EQ (w.text(), "") << "construction writes nothing";
    ps.setNumberOfPages (1);
    EXPECT_EQ (w.text(), portraitHeader (1, 1));
}

TEST (myPostScriptTest, TitleIsWrittenAsUtf8)
{
    juce::MemoryOutputStream out2;
    struct Titled : vtest::BareWriter
    {
        Titled (juce::OutputStream& o) : BareWriter (o) { title = juce::String::fromUTF8 ("Račun čšž"); }
    } titled (out2);
    titled.setNumberOfPages (1);
    EXPECT_TRUE (out2.toUTF8().contains (juce::String::fromUTF8 ("%%Title: Račun čšž\n")));
}

TEST (myPostScriptTest, EveryPageIsACompleteDocumentWithTheTotal)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (3);
    ps.newPage (1);
    ps.newPage (2);
    EXPECT_EQ (w.text(), portraitHeader (1, 3) + "showpage\n" + portraitHeader (2, 3) + "showpage\n" + portraitHeader (3, 3));
    EXPECT_EQ (ps.getPageNumber(), 3);
}

TEST (myPostScriptTest, LandscapeIsTurnedForPrintingAndKeptForPreview)
{
    struct Case
    {
        bool preview;
        const char* expected;
    };
    const Case cases[] = {
        { false, "%!PS-Adobe-3.0 \n%%BoundingBox: 0 0 842 595\n%%Orientation: Landscape\n%%DocumentMedia: a4 595 842 80 () ()" },
        { true, "%!PS-Adobe-3.0 \n%%BoundingBox: 0 0 842 595\n%%Orientation: Portrait\n%%DocumentMedia: a4land 842 595 80 () ()" },
    };
    for (const auto& c : cases)
    {
        Written w;
        BareWriter ps (w.stream, 842, 595, c.preview);
        ps.setNumberOfPages (2);
        const juce::String setup = c.preview
            ? "\n% A4 landscape orientation\n<< /PageSize [842 595] /Orientation 0 >> setpagedevice"
              "\n%%EndSetup\n%%Page: 1 1\n%%BeginPageSetup\n  0 595 translate\n1.0000 1.0000 scale\n\n\n%%EndPageSetup\n\n"
            : "\n% A4, rotated 90 degrees CW\n<< /PageSize [595 842] /Orientation 0 >> setpagedevice"
              "\n%%EndSetup\n%%Page: 1 1\n%%BeginPageSetup\n  90 rotate 0 0 translate\n1.0000 1.0000 scale\n\n\n%%EndPageSetup\n\n";
        EXPECT_EQ (w.text(), juce::String (c.expected) + "\n%%Pages: 2\n%%Creator: Vindoro\n%%Title: T" + kProlog + setup)
            << "preview " << c.preview;
    }
}

TEST (myPostScriptTest, RectangleFillWritesClipColourOnceThenOnlyTheFill)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    ps.setFill (juce::Colours::red);
    ps.fillRect (juce::Rectangle<float> (10, 20, 30, 40));
    ps.fillRect (juce::Rectangle<float> (10, 20, 30, 40));
    ps.fillRect (juce::Rectangle<int> (1, 2, 3, 4), true);
    ps.setFill (juce::Colours::black);
    ps.fillRect (juce::Rectangle<float> (0.5f, 0.25f, 12.5f, 1234567.0f));
    EXPECT_EQ (w.body (portraitHeader (1, 1)),
               "doclip 0 0 595 -842 pr endclip\n"
               "1.000 0.000 0.000 c\n10 -60 30 40 rectfill\n"
               "10 -60 30 40 rectfill\n"
               "1 -6 3 4 rectfill\n"
               "0.000 0.000 0.000 c\n0.5 -1.23457e+06 12.5 1.23457e+06 rectfill\n");
}

TEST (myPostScriptTest, SemiTransparentColourIsCompositedOverWhite)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    ps.setFill (juce::Colour ((juce::uint8) 0, 0, 0, (juce::uint8) 128));
    ps.fillRect (juce::Rectangle<float> (0, 0, 1, 1));
    EXPECT_TRUE (w.body (portraitHeader (1, 1)).contains ("\n0.494 0.494 0.494 c\n")) << w.body (portraitHeader (1, 1));
}

TEST (myPostScriptTest, PathElementsLineBreaksAndSignOfZero)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    juce::Path p;
    p.startNewSubPath (0, 0);
    p.lineTo (10, 0);
    p.lineTo (10, 10);
    p.closeSubPath();
    ps.fillPath (p, {});

    juce::Path q; // a quadratic curve becomes a cubic one; y = 0.001 keeps its minus
    q.startNewSubPath (0, 0.001f);
    q.quadraticTo (3, 0, 6, 9);
    ps.fillPath (q, {});
    EXPECT_EQ (w.body (portraitHeader (1, 1)),
               "doclip 0 0 595 -842 pr endclip\n"
               "newpath 0.00 0.00 m 10.00 0.00 l 10.00 -10.00 l \ncp \n0.000 0.000 0.000 c\nfill\n"
               "newpath 0.00 -0.00 m 2.00 -0.00 4.00 -3.00 6.00 -9.00 ct \nfill\n");
}

TEST (myPostScriptTest, TransformAndOriginMoveThePathAndRewriteTheClip)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    juce::Path p;
    p.startNewSubPath (1, 1);
    ps.fillPath (p, {});
    ps.setOrigin ({ 5, 5 });
    ps.fillPath (p, juce::AffineTransform::scale (2.0f));
    EXPECT_EQ (w.body (portraitHeader (1, 1)),
               "doclip 0 0 595 -842 pr endclip\nnewpath 1.00 -1.00 m \n0.000 0.000 0.000 c\nfill\n"
               "doclip 0 0 595 -842 pr endclip\nnewpath 7.00 -7.00 m \nfill\n");
}

TEST (myPostScriptTest, ClipListsAreWrittenSixToALineAndOnlyWhenChanged)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    juce::RectangleList<int> bars;
    for (int i = 0; i < 7; ++i)
        bars.add ({ i * 20, 0, 10, 5 });
    EXPECT_TRUE (ps.clipToRectangleList (bars));
    ps.fillRect (juce::Rectangle<float> (0, 0, 1, 1));
    ps.fillRect (juce::Rectangle<float> (0, 0, 1, 1));
    const juce::String body = w.body (portraitHeader (1, 1));
    EXPECT_TRUE (body.startsWith ("doclip 0 0 10 -5 pr 20 0 10 -5 pr 40 0 10 -5 pr 60 0 10 -5 pr 80 0 10 -5 pr \n"
                                  "100 0 10 -5 pr 120 0 10 -5 pr endclip\n"))
        << body;
    EXPECT_EQ (body.indexOf ("doclip"), body.lastIndexOf ("doclip"));

    ps.excludeClipRectangle ({ 0, 0, 1000, 1000 });
    EXPECT_TRUE (ps.isClipEmpty());
    ps.fillRect (juce::Rectangle<float> (0, 0, 1, 1));
    EXPECT_TRUE (w.text().endsWith ("doclip endclip\n0 -1 1 1 rectfill\n"));
}

TEST (myPostScriptTest, StatesStackAndAnUnmatchedRestoreKeepsTheLastState)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    ps.saveState();
    ps.setOrigin ({ 10, 20 });
    ps.clipToRectangle ({ 0, 0, 50, 50 });
    EXPECT_EQ (ps.getClipBounds(), juce::Rectangle<int> (0, 0, 50, 50));
    ps.restoreState();
    EXPECT_EQ (ps.getClipBounds(), juce::Rectangle<int> (0, 0, 595, 842));

    vtest::LogCapture log;
    ps.restoreState(); // no matching save: the initial state must survive
    ps.restoreState();
    EXPECT_EQ (ps.getClipBounds(), juce::Rectangle<int> (0, 0, 595, 842));
    ps.setFill (juce::Colours::blue);
    ps.fillRect (juce::Rectangle<float> (1, 1, 1, 1));
    EXPECT_TRUE (w.text().endsWith ("0.000 0.000 1.000 c\n1 -2 1 1 rectfill\n"));
    EXPECT_TRUE (log.contains ("restore without save"));
}

TEST (myPostScriptTest, ImagesAreWrittenBottomRowFirstWithTheirSolidArea)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    juce::Image rgb (juce::Image::RGB, 2, 2, true);
    rgb.setPixelAt (0, 0, juce::Colour (0x10, 0x20, 0x30));
    rgb.setPixelAt (1, 0, juce::Colour (0xff, 0x00, 0x00));
    rgb.setPixelAt (0, 1, juce::Colour (0x00, 0xff, 0x00));
    rgb.setPixelAt (1, 1, juce::Colour (0x00, 0x00, 0xff));
    ps.drawImage (rgb, juce::AffineTransform::translation (100, 200));
    ps.fillRect (juce::Rectangle<float> (0, 0, 1, 1));
    EXPECT_EQ (w.body (portraitHeader (1, 1)),
               "doclip 0 0 595 -842 pr endclip\n"
               "gsave [ 1 -0 0 -1 100 -200 ] concat newpath 0 0 2 2 pr  clip newpath\n"
               "2 2 scale\n2 2 8 [2 0 0 -2 0 2 ]\n"
               "{<\n00ff000000ff102030ff0000\n>}\nfalse 3 colorimage grestore\n"
               "doclip 0 0 595 -842 pr endclip\n0.000 0.000 0.000 c\n0 -1 1 1 rectfill\n");

    Written a;
    BareWriter ps2 (a.stream);
    ps2.setNumberOfPages (1);
    juce::Image argb (juce::Image::ARGB, 2, 1, true); // right pixel transparent: outside the solid area, the framework's white
    argb.setPixelAt (0, 0, juce::Colour (0xff, 0x00, 0x00));
    ps2.drawImage (argb, {});
    EXPECT_TRUE (a.body (portraitHeader (1, 1)).contains ("gsave [ 1 -0 0 -1 0 -0 ] concat newpath 0 0 1 1 pr  clip newpath\n2 1 scale\n2 1 8 [2 0 0 -1 0 1 ]\n{<\nff0000fefefe\n>}\n"));
}

TEST (myPostScriptTest, GradientFillsClipAndPaintTheMiddleColour)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    ps.setFill (juce::ColourGradient (juce::Colours::black, 0, 0, juce::Colours::white, 100, 0, false));
    ps.fillRect (juce::Rectangle<float> (0, 0, 10, 10));
    const juce::String body = w.body (portraitHeader (1, 1));
    EXPECT_TRUE (body.startsWith ("doclip 0 0 595 -842 pr endclip\ngsave newpath 0.00 -10.00 m 0.00 0.00 l 10.00 0.00 l \n"
                                  "10.00 -10.00 l cp \nclip\n0.498 0.498 0.498 c\n"))
        << body;
    EXPECT_TRUE (body.endsWith (" c\n0 -842 595 842 rectfill\ngrestore\n")) << body;
}

TEST (myPostScriptTest, TextArrivesAsFilledGlyphOutlinesWithoutFonts)
{
    Written w;
    BareWriter ps (w.stream);
    ps.setNumberOfPages (1);
    {
        juce::Graphics g (ps);
        g.setColour (juce::Colours::black);
        g.setFont (20.0f);
        g.drawText ("Hi", 100, 100, 200, 30, juce::Justification::centredLeft);
    }
    const juce::String body = w.body (portraitHeader (1, 1));
    EXPECT_GE (body.indexOf ("fill\n"), 0);
    EXPECT_EQ (body.indexOf ("show"), -1);
    EXPECT_EQ (body.indexOf ("findfont"), -1);
    // The outlines lie inside the text box, y written negative.
    juce::StringArray tokens;
    tokens.addTokens (body.fromFirstOccurrenceOf ("newpath ", false, false).upToFirstOccurrenceOf ("\nfill", false, false), " \n", {});
    int numbers = 0;
    for (int i = 0; i + 2 < tokens.size(); ++i)
        if (tokens[i + 2] == "m" || tokens[i + 2] == "l")
        {
            ++numbers;
            EXPECT_GE (tokens[i].getDoubleValue(), 99.0);
            EXPECT_LE (tokens[i].getDoubleValue(), 140.0);
            EXPECT_LE (tokens[i + 1].getDoubleValue(), -100.0);
            EXPECT_GE (tokens[i + 1].getDoubleValue(), -130.0);
        }
    EXPECT_GT (numbers, 0);
}

TEST (myPostScriptTest, NumberTexts)
{
    struct Case
    {
        double value;
        int decimals;
        const char* fixed;
    };
    const Case cases[] = {
        { 0.0, 2, "0.00" }, { -0.0, 2, "0.00" }, { -0.001, 2, "-0.00" }, { 0.001, 2, "0.00" }, { 12.345, 2, "12.35" },
        { -7.5, 2, "-7.50" }, { 1.0, 4, "1.0000" }, { 0.5, 3, "0.500" }, { 1e20, 2, "1e+20" }, { 123.0, 0, "123" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (myPostScript::formatFixed (c.value, c.decimals), c.fixed) << c.value;

    EXPECT_EQ (myPostScript::formatGeneral (12.5), "12.5");
    EXPECT_EQ (myPostScript::formatGeneral (595), "595");
    EXPECT_EQ (myPostScript::formatGeneral (1234567), "1.23457e+06");
    EXPECT_EQ (myPostScript::formatGeneral (-0.25), "-0.25");
}

TEST (myPostScriptTest, PageCapEndsARunawayJob)
{
    Written w;
    BareWriter ps (w.stream);
    vtest::LogCapture log;
    ps.setNumberOfPages (1);
    for (int i = 1; i < myPrint::kMaxPagesPerJob + 50; ++i)
        ps.newPage (i);
    EXPECT_TRUE (ps.isPageCapReached());
    EXPECT_EQ (ps.getPageNumber(), myPrint::kMaxPagesPerJob);
    const auto beforeDrawing = w.stream.getDataSize();
    ps.fillRect (juce::Rectangle<float> (0, 0, 5, 5));
    EXPECT_EQ (w.stream.getDataSize(), beforeDrawing) << "drawing after the cap goes nowhere";
    EXPECT_TRUE (log.contains ("further pages dropped"));
}
