// A4 jobs: creation from the settings, the stamp, SVG drawings, the preview file, the Ghostscript
// call sequence (watched through a recording layer) and a real print on the test CUPS queue.
#include "print/PrintTestSupport.h"
#include "print/gui/myPS.h"
#include "support/CupsTestQueue.h"
#include "support/GhostscriptRender.h"
#include "support/PreviewCatcher.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cups/cups.h>

namespace
{
VindorPrintSettings jobSettings (bool preview, int paper, const juce::String& name = "job")
{
    VindorPrintSettings s;
    s.setDefaults ("printdialog");
    s.setValue ("preview", preview);
    s.setValue ("papersize", paper);
    s.setValue ("printname", name);
    s.setValue ("title", "Test job");
    return s;
}

int countOf (const juce::String& text, const juce::String& piece)
{
    int n = 0;
    for (int i = text.indexOf (piece); i >= 0; i = text.indexOf (i + 1, piece))
        ++n;
    return n;
}

/** Draws a black block on page 1 and a red one on page 2. */
void drawTwoPages (myPS& job)
{
    job.setNumberOfPages (2);
    job.setFill (juce::Colours::black);
    job.fillRect (juce::Rectangle<float> (100, 100, 100, 50));
    job.newPage (1);
    job.setFill (juce::Colours::red);
    job.fillRect (juce::Rectangle<float> (100, 100, 100, 50));
}

} // namespace

TEST (myPSTest, JobCreatorsRefuseOtherPaperBeforeTouchingTheFile)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    const auto file = temp.file ("keep.ps");
    file.replaceWithText ("old");
    vtest::LogCapture log;
    EXPECT_EQ (myPS::initFile (file, 2, "t", true), nullptr);
    EXPECT_EQ (file.loadFileAsString(), "old") << "a refused job must not delete or open the file";
    EXPECT_EQ (myPS::initMemory (2, "t"), nullptr);
    EXPECT_EQ (myPS::initPS (jobSettings (false, 2)), nullptr);
    EXPECT_TRUE (log.contains ("Other paper type not implemented yet"));
    EXPECT_TRUE (log.contains ("ERROR: failed to init print stream"));
}

TEST (myPSTest, InitPSTakesPageSizeAndPreviewFromTheSettings)
{
    vtest::TestSettings settings;
    std::unique_ptr<myPS> portrait (myPS::initPS (jobSettings (false, 0)));
    ASSERT_NE (portrait, nullptr);
    EXPECT_EQ (portrait->getPageWidth(), 595);
    EXPECT_EQ (portrait->getPageHeight(), 842);
    EXPECT_FALSE (portrait->isPreview());
    EXPECT_EQ (portrait->getFileName(), "");
    EXPECT_EQ (portrait->getTitle(), "Test job");

    std::unique_ptr<myPS> landscape (myPS::initPS (jobSettings (false, 1)));
    ASSERT_NE (landscape, nullptr);
    EXPECT_EQ (landscape->getPageWidth(), 842);
    EXPECT_EQ (landscape->getPageArea (false), juce::Rectangle<int> (0, 0, 842, 595));
    EXPECT_EQ (landscape->getPageArea (true), juce::Rectangle<int> (42, 42, 758, 511));
}

TEST (myPSTest, PreviewWritesOneFileWithLandscapeHeadersAndOpensIt)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    settings.user().setValue ("tempfolder", temp.get().getFullPathName());
    vtest::RecordingGhostscript gs (false);
    vtest::PreviewCatcher opener;

    std::unique_ptr<myPS> job (myPS::initPS (jobSettings (true, 1, "preview-job")));
    ASSERT_NE (job, nullptr);
    const auto file = temp.file ("preview-job.ps");
    EXPECT_EQ (job->getFileName(), file.getFullPathName());
    drawTwoPages (*job);
    EXPECT_TRUE (job->save ({}));
    job.reset();

    const juce::String text = file.loadFileAsString();
    EXPECT_EQ (countOf (text, "%!PS-Adobe-3.0 \n%%BoundingBox: 0 0 842 595\n%%Orientation: Portrait\n%%DocumentMedia: a4land"), 2);
    EXPECT_EQ (countOf (text, "%%Pages: 2\n"), 2);
    EXPECT_TRUE (text.endsWith ("showpage\n"));
    EXPECT_EQ (countOf (text, "showpage\n"), 2);
    EXPECT_EQ (opener.opened, juce::Array<juce::File> { file });
    EXPECT_TRUE (gs.calls.isEmpty()) << "a preview never runs Ghostscript";
}

TEST (myPSTest, EveryPageCarriesTheStampInTheBottomMargin)
{
    vtest::TestSettings settings;
    juce::MemoryOutputStream out;
    myPS job (out, "t", 595, 842, false);
    job.setNumberOfPages (2);
    const auto firstPage = out.toUTF8();
    job.newPage (1);
    const auto secondPage = out.toUTF8().substring (firstPage.length());
    for (const auto& page : { firstPage, secondPage })
    {
        const auto body = page.fromFirstOccurrenceOf ("%%EndPageSetup\n\n", false, false);
        EXPECT_GT (countOf (body, "fill\n"), 3) << "logo paths and the stamp's glyphs";
        EXPECT_TRUE (body.contains ("0.949 0.761 0.000 c")) << "the logo's yellow";
    }
    // The strip is (42, 798, 511, 10), 8 points below the printable area: every logo and text point lies in it.
    juce::StringArray tokens;
    tokens.addTokens (firstPage.fromFirstOccurrenceOf ("%%EndPageSetup", false, false), " \n", {});
    for (int i = 0; i + 2 < tokens.size(); ++i)
        if (tokens[i + 2] == "m" || tokens[i + 2] == "l")
        {
            EXPECT_LE (tokens[i + 1].getDoubleValue(), -797.9);
            EXPECT_GE (tokens[i + 1].getDoubleValue(), -808.1);
        }
}

TEST (myPSTest, DrawablesOnlySvgTreesAreDrawnCentredInTheirBox)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    const auto svg = temp.file ("logo.svg");
    svg.replaceWithText ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\" viewBox=\"0 0 20 10\">"
                         "<path fill=\"#0000ff\" d=\"M0 0 L20 0 L20 10 L0 10 Z\"/></svg>");
    const auto png = temp.file ("logo.png");
    {
        juce::Image img (juce::Image::RGB, 4, 4, true);
        juce::FileOutputStream os (png);
        juce::PNGImageFormat().writeImageToStream (img, os);
    }
    juce::MemoryOutputStream out;
    myPS job (out, "t", 595, 842, false);
    const auto before = out.getDataSize();
    job.drawDrawable (png, { 0, 0, 100, 100 });
    job.drawDrawable ((juce::Drawable*) nullptr, { 0, 0, 100, 100 });
    job.drawDrawable (temp.file ("missing.svg"), { 0, 0, 100, 100 });
    EXPECT_EQ (out.getDataSize(), before) << "pictures, missing files and null drawings draw nothing";

    job.drawDrawable (svg, { 0, 0, 100, 100 });
    const juce::String text = out.toUTF8();
    EXPECT_TRUE (text.contains ("newpath 0.00 -25.00 m 100.00 -25.00 l 100.00 -75.00 l \n0.00 -75.00 l cp \n0.000 0.000 1.000 c\nfill\n"))
        << text;
}

TEST (myPSTest, BoxIsAFrameWithAWhiteInside)
{
    vtest::TestSettings settings;
    juce::MemoryOutputStream out;
    myPS job (out, "t", 595, 842, false);
    job.drawBox ({ 10, 10, 20, 20 });
    EXPECT_EQ (out.toUTF8(), "doclip 0 0 595 -842 pr endclip\n0.000 0.000 0.000 c\n10 -30 20 20 rectfill\n"
                             "1.000 1.000 1.000 c\n11 -29 18 18 rectfill\n");
}

TEST (myPSTest, AJobWithoutPagesIsDropped)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    settings.user().setValue ("tempfolder", temp.get().getFullPathName());
    vtest::RecordingGhostscript gs (false);
    vtest::PreviewCatcher opener;
    vtest::LogCapture log;

    std::unique_ptr<myPS> preview (myPS::initPS (jobSettings (true, 0, "empty")));
    ASSERT_NE (preview, nullptr);
    EXPECT_FALSE (preview->save ({}));
    EXPECT_TRUE (opener.opened.isEmpty());
    EXPECT_FALSE (temp.file ("empty.ps").exists());

    std::unique_ptr<myPS> memory (myPS::initPS (jobSettings (false, 0)));
    ASSERT_NE (memory, nullptr);
    EXPECT_FALSE (memory->save ("anything"));
    EXPECT_TRUE (gs.calls.isEmpty()) << "nothing goes to the printer";
    EXPECT_TRUE (log.contains ("no page laid out"));
}

TEST (myPSTest, PostScriptIsFedToGhostscriptInBlocksOf65535)
{
    vtest::TestSettings settings;
    struct Case
    {
        size_t size;
        std::vector<unsigned int> blocks;
    };
    const Case cases[] = {
        { 65535, { 65535 } },
        { 65536, { 65535, 1 } },
        { 131070, { 65535, 65535 } },
        { 100, { 100 } },
    };
    for (const auto& c : cases)
    {
        vtest::RecordingGhostscript gs (false);
        juce::MemoryOutputStream data;
        for (size_t i = 0; i < c.size; ++i)
            data.writeByte ('%');
        vtest::LogCapture log;
        myPrint::printEPSStream (data, "NoSuchQueue");
        EXPECT_EQ (gs.blockLengths, c.blocks) << c.size;
        EXPECT_EQ (gs.calls.joinIntoString (" ").upToFirstOccurrenceOf (" continue", false, false), "new encoding 1 init begin");
        EXPECT_TRUE (gs.calls.joinIntoString (" ").endsWith ("continue end exit delete"));
        EXPECT_TRUE (log.contains ("nBlocks=" + juce::String ((int) (c.size / 65535)) + " nLeftover=" + juce::String ((int) (c.size % 65535))));
    }
}

TEST (myPSTest, GhostscriptArgumentsWritePdfForTheQueue)
{
    vtest::TestSettings settings;
    vtest::RecordingGhostscript gs (false);
    juce::MemoryOutputStream data;
    data << "%!PS\n";
    myPrint::printEPSStream (data, "NoSuchQueue");
    ASSERT_EQ (gs.args.size(), 10);
    EXPECT_EQ (gs.args.joinIntoString (" ").upToLastOccurrenceOf (" ", false, false),
               "gs -sDEVICE=pdfwrite -sPAPERSIZE=a4 -q -dNOPAUSE -dNOPAGEPROMPT -dBATCH -dQUIET -dSAFER");
    EXPECT_TRUE (gs.args[9].startsWith ("-sOutputFile=/"));
    EXPECT_TRUE (gs.args[9].endsWith (".pdf"));
}

TEST (myPSTest, GhostscriptCodesDecideWhetherTheJobFailed)
{
    vtest::TestSettings settings;
    struct Case
    {
        int initCode;
        int exitResult;
        bool ghostscriptFailed;
        bool ranDocument;
    };
    const Case cases[] = {
        { 0, 0, false, true },
        { 0, -101, false, true },
        { -101, 0, false, false }, // quit during start-up is not an error
        { -100, 0, true, false },  // a refused argument list
        { 0, -15, true, true },    // the interpreter ended in error
    };
    for (const auto& c : cases)
    {
        vtest::RecordingGhostscript gs (false);
        gs.initCode = c.initCode;
        gs.exitResult = c.exitResult;
        vtest::LogCapture log;
        juce::MemoryOutputStream data;
        data << "%!PS\n";
        EXPECT_FALSE (myPrint::printEPSStream (data, "NoSuchQueue")) << "no PDF and no queue: never printed";
        EXPECT_EQ (log.contains ("> End"), c.ghostscriptFailed) << c.initCode << " " << c.exitResult;
        EXPECT_EQ (gs.calls.contains ("begin"), c.ranDocument);
        EXPECT_TRUE (gs.calls.contains ("exit") && gs.calls.contains ("delete"));
    }
}

TEST (myPSTest, AJobThatReachesNoQueueIsAFailedPrint)
{
    vtest::TestSettings settings;
    settings.user().setValue ("printer", "NoSuchQueue");
    vtest::LogCapture log;
    std::unique_ptr<myPS> job (myPS::initPS (jobSettings (false, 0)));
    ASSERT_NE (job, nullptr);
    drawTwoPages (*job);
    EXPECT_FALSE (job->save ({})) << "a CUPS job id of 0 is not a printed job";
    EXPECT_TRUE (log.contains ("printing memory to printer NoSuchQueue"));
    EXPECT_TRUE (log.contains ("CUPS refused the job"));
}

TEST (myPSTest, WithoutAnyCupsDestinationTheJobFails)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    const char* previous = std::getenv ("CUPS_SERVER");
    const juce::String saved = previous != nullptr ? juce::String (previous) : juce::String();
    setenv ("CUPS_SERVER", temp.file ("no-scheduler.sock").getFullPathName().toRawUTF8(), 1);
    cupsSetServer (nullptr);
    vtest::LogCapture log;
    std::unique_ptr<myPS> job (myPS::initPS (jobSettings (false, 0)));
    drawTwoPages (*job);
    const bool printed = job->save ({});
    if (previous != nullptr)
        setenv ("CUPS_SERVER", saved.toRawUTF8(), 1);
    else
        unsetenv ("CUPS_SERVER");
    cupsSetServer (nullptr);
    EXPECT_FALSE (printed);
    EXPECT_TRUE (log.contains ("no CUPS destination"));
}

TEST (myPSTest, TwoPagesPrintOnTheCupsPdfQueue)
{
    const juce::File pdfFolder = vtest::cupsPdfFolderOrSkip();
    if (pdfFolder == juce::File())
        return;
    vtest::TestSettings settings;
    const juce::String title = "two-pages-" + juce::Uuid().toString();
    auto s = jobSettings (false, 0);
    s.setValue ("title", title);
    std::unique_ptr<myPS> job (myPS::initPS (s));
    ASSERT_NE (job, nullptr);
    drawTwoPages (*job);
    ASSERT_TRUE (job->save ({})) << "printed on the default destination";
    job.reset();

    const juce::File pdf = vtest::waitForCupsPdf (pdfFolder, title);
    ASSERT_TRUE (pdf.existsAsFile()) << "the queue wrote no PDF of this job";

    vtest::TempFolder temp;
    const auto pages = vtest::renderPages (pdf, temp.get(), "page", 72);
    ASSERT_EQ (pages.size(), 2);
    const auto first = juce::ImageFileFormat::loadFrom (pages[0]);
    const auto second = juce::ImageFileFormat::loadFrom (pages[1]);
    EXPECT_EQ (first.getWidth(), 595) << "A4 at 72 dpi";
    EXPECT_EQ (first.getHeight(), 842);
    EXPECT_EQ (first.getPixelAt (150, 125), juce::Colours::black);
    EXPECT_EQ (first.getPixelAt (20, 20), juce::Colours::white);
    EXPECT_EQ (first.getPixelAt (250, 125), juce::Colours::white);
    EXPECT_EQ (second.getPixelAt (150, 125), juce::Colour (255, 0, 0));

    // One look by eye: page 1 at 100 dpi under /tmp.
    vtest::renderPages (pdf, juce::File ("/tmp"), "vindoro-print-cups-page", 100);
}
