// The print target's geometry and the page-layout helpers: units, margins, the blocks' fit tests
// and consumption, the measuring pass against the drawing pass, and one page looked at by eye.
#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "partners/StrankaRecord.h"
#include "print/myPOS.h"
#include "print/gui/myPS.h"
#include "support/GhostscriptRender.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
/** A portrait A4 job writing into memory, with default print settings. */
struct Page
{
    Page (int w = 595, int h = 842) : job (out, "t", w, h, false)
    {
        VindorPrintSettings s;
        s.setDefaults ({});
        job.setPrintSettings (s);
    }
    juce::MemoryOutputStream out;
    myPS job;
};

/** The own company as the header and footer read it. */
struct Company
{
    Company() { setPodjetjeRecord (&record); }
    ~Company() { setPodjetjeRecord (nullptr); }
    StrankaRecord record;
};
} // namespace

TEST (myPrintTest, MillimetresToPoints)
{
    Page p;
    const std::pair<double, int> cases[] = { { 15, 42 }, { 43, 121 }, { 2, 5 }, { 0.35278, 1 }, { 0.35277, 0 }, { -1, -2 } };
    for (auto [mm, points] : cases)
        EXPECT_EQ (p.job.mmToPoints (mm), points) << mm;
}

TEST (myPrintTest, MarginsComeFromTheSettingsInWholeMillimetres)
{
    vtest::TestSettings settings;
    Page portrait;
    Page landscape (842, 595);
    EXPECT_EQ (portrait.job.getBorderPTS(), juce::BorderSize<int> (42));
    EXPECT_EQ (portrait.job.getPageArea (true), juce::Rectangle<int> (42, 42, 511, 758));
    EXPECT_EQ (landscape.job.getPageArea (true), juce::Rectangle<int> (42, 42, 758, 511));
    EXPECT_EQ (portrait.job.getPageArea (false), juce::Rectangle<int> (0, 0, 595, 842));

    struct Case
    {
        const char* typed;
        int points;
    };
    for (const auto& c : { Case { "10", 28 }, Case { "10.9", 28 }, Case { "10,9", 28 }, Case { "abc", 0 }, Case { "-5", 0 } })
    {
        settings.user().setValue ("printbordertop", c.typed);
        vtest::LogCapture log;
        EXPECT_EQ (portrait.job.getBorderPTS().getTop(), c.points) << c.typed;
        EXPECT_TRUE (log.contains ("<myPostScript::getBorderPTS> border pts top:" + juce::String (c.points) + " bottom:42 left:42 right:42"));
    }
    EXPECT_EQ (portrait.job.getPageArea (true), juce::Rectangle<int> (42, 0, 511, 800)) << "a negative margin never enlarges the page";
}

TEST (myPrintTest, HelpersWithoutAPrinterRefuseAndSayWhich)
{
    vtest::TestSettings settings;
    Page p;
    juce::Font font (12.0f);
    juce::Rectangle<int> area (0, 0, 500, 700);
    vtest::LogCapture log;
    EXPECT_FALSE (p.job.printTitle (&p.job, font, area, nullptr, "x"));
    EXPECT_FALSE (p.job.printText (&p.job, font, area, nullptr, "x", juce::Justification::left, true));
    EXPECT_FALSE (p.job.printVSpace (area, nullptr, 5));
    EXPECT_FALSE (p.job.printBorders (&p.job, area, nullptr, 1));
    EXPECT_FALSE (p.job.printHeader (&p.job, font, area, nullptr));
    EXPECT_FALSE (p.job.printFooter (&p.job, font, area, nullptr, 1, 1));
    EXPECT_FALSE (p.job.printUporabnik (&p.job, font, area, nullptr, "x"));
    EXPECT_FALSE (p.job.printUporabnikSignature (&p.job, font, area, nullptr, "a", "b"));
    EXPECT_FALSE (p.job.printKrajUporabnik (&p.job, font, area, nullptr, "x"));
    EXPECT_EQ (area, juce::Rectangle<int> (0, 0, 500, 700));
    EXPECT_EQ (p.out.getDataSize(), 0u);
    for (auto name : { "printTitle", "printText", "printVSpace", "printBorders", "printHeader", "printFooter", "printUporabnik",
                       "printUporabnikSignature", "printKrajUporabnik" })
        EXPECT_TRUE (log.contains ("<myPrint::" + juce::String (name) + "> ERROR: no setup provided")) << name;
}

TEST (myPrintTest, VerticalSpaceFitsOrLeavesTheAreaAlone)
{
    vtest::TestSettings settings;
    Page p;
    juce::Rectangle<int> low (0, 100, 200, 30);
    EXPECT_FALSE (p.job.printVSpace (low, &p.job, 12));
    EXPECT_EQ (low, juce::Rectangle<int> (0, 100, 200, 30));
    juce::Rectangle<int> exact (0, 100, 200, 34);
    EXPECT_TRUE (p.job.printVSpace (exact, &p.job, 12));
    EXPECT_EQ (exact, juce::Rectangle<int> (0, 134, 200, 0));
}

TEST (myPrintTest, TitleShrinksTo16WhenWiderThanNinetyPercent)
{
    vtest::TestSettings settings;
    Page p;
    juce::Font font (12.0f);
    juce::Rectangle<int> area (42, 42, 511, 758);
    ASSERT_TRUE (p.job.printTitle (nullptr, font, area, &p.job, "Short"));
    EXPECT_EQ (font.getHeight(), 24.0f);
    EXPECT_TRUE (font.isBold());
    EXPECT_GT (area.getY(), 42 + 20) << "title and its 20-point gap consumed";
    ASSERT_TRUE (p.job.printTitle (nullptr, font, area, &p.job, juce::String::repeatedString ("Wide title ", 8)));
    EXPECT_EQ (font.getHeight(), 16.0f);
    EXPECT_EQ (p.out.getDataSize(), 0u) << "measuring draws nothing";
}

TEST (myPrintTest, MeasuringConsumesExactlyWhatDrawingDoes)
{
    vtest::TestSettings settings;
    Company company;
    company.record.ime = "Vinska klet";
    company.record.naslov = "Cesta 1";
    company.record.posta = "1000 Ljubljana";
    company.record.davcna = "SI12345678";
    company.record.IBAN = "SI56191000000123438";
    settings.user().setValue ("uporabnikdolgoime", "Ana Novak");

    auto run = [] (myPS& job, myPrint* output) {
        juce::Array<juce::Rectangle<int>> steps;
        juce::Font font (12.0f);
        auto area = job.getPageArea (true);
        job.printHeader (output, font, area, &job);
        steps.add (area);
        job.printTitle (output, font, area, &job, "Racun 12");
        steps.add (area);
        font = juce::Font (10.0f);
        job.printText (output, font, area, &job, "Ena\nDve vrstici besedila", juce::Justification::left, false);
        steps.add (area);
        job.printVSpace (area, &job, 6);
        job.printUporabnik (output, font, area, &job, "Izdal:");
        steps.add (area);
        job.printUporabnikSignature (output, font, area, &job, "Izdal", "Prejel");
        steps.add (area);
        job.printKrajUporabnik (output, font, area, &job, "Pripravil");
        steps.add (area);
        job.printFooter (output, font, area, &job, 1, 1);
        steps.add (area);
        return steps;
    };
    Page measuring, drawing;
    drawing.job.setNumberOfPages (1);
    const auto measured = run (measuring.job, nullptr);
    const auto drawn = run (drawing.job, &drawing.job);
    EXPECT_EQ (measured, drawn);
    EXPECT_EQ (measuring.out.getDataSize(), 0u);
    for (int i = 1; i < measured.size(); ++i)
        EXPECT_GT (measured[i].getY(), measured[i - 1].getY()) << "step " << i << " consumed space";
}

TEST (myPrintTest, HeaderIsAtLeast43MillimetresFromTheSheetTop)
{
    vtest::TestSettings settings;
    Company company;
    company.record.ime = "Klet";
    Page p;
    juce::Font font (12.0f);
    auto area = p.job.getPageArea (true);
    ASSERT_TRUE (p.job.printHeader (nullptr, font, area, &p.job));
    EXPECT_EQ (area.getY(), 42 + 79) << "121 - 42 points with the default margin";
    EXPECT_EQ (font.getHeight(), 11.0f);

    settings.user().setValue ("headerseparator", "2");
    area = p.job.getPageArea (true);
    ASSERT_TRUE (p.job.printHeader (nullptr, font, area, &p.job));
    EXPECT_EQ (area.getY(), 42 + 79 + 5);

    juce::Rectangle<int> small (0, 0, 500, 50);
    EXPECT_FALSE (p.job.printHeader (nullptr, font, small, &p.job));
    EXPECT_EQ (small, juce::Rectangle<int> (0, 0, 500, 50));

    settings.user().setValue ("printbordertop", "50");
    vtest::LogCapture log;
    juce::Rectangle<int> page (0, 0, 500, 600);
    ASSERT_TRUE (p.job.printHeader (nullptr, font, page, &p.job));
    EXPECT_TRUE (log.contains ("ERROR: glavapts negativen:"));
    EXPECT_EQ (page.getY(), (int) (0.146f * 600) + 5);
}

TEST (myPrintTest, ABlockThatCanNeverFitIsSkippedNotRetried)
{
    vtest::TestSettings settings;
    Page p;
    juce::Font font (12.0f);
    juce::Rectangle<int> rest (42, 700, 511, 100);
    EXPECT_FALSE (p.job.printText (nullptr, font, rest, &p.job, "a\nb\nc\nd\ne\nf\ng\nh\ni\nj", juce::Justification::left, false))
        << "fits on the next page: the caller starts one";

    juce::String endless;
    for (int i = 0; i < 120; ++i)
        endless << "line " << i << "\n";
    auto empty = p.job.getPageArea (true);
    vtest::LogCapture log;
    EXPECT_TRUE (p.job.printText (nullptr, font, empty, &p.job, endless, juce::Justification::left, false));
    EXPECT_EQ (empty, p.job.getPageArea (true)) << "skipped, nothing consumed";
    EXPECT_TRUE (log.contains ("<myPrint::printText> ERROR: block of"));
    EXPECT_TRUE (log.contains ("is higher than a page, skipped"));
}

TEST (myPrintTest, FontShrinksByTenthsButNotBelowTenPoints)
{
    vtest::TestSettings settings;
    Page p;
    juce::Font eleven (11.0f);
    p.job.adjustFontSize (eleven, juce::String::repeatedString ("W", 200), { 0, 0, 100, 20 });
    EXPECT_EQ (eleven.getHeight(), 11.0f);

    juce::Font twelve (12.0f);
    vtest::LogCapture log;
    p.job.adjustFontSize (twelve, "short\n" + juce::String::repeatedString ("W", 200), { 0, 0, 100, 20 });
    EXPECT_EQ (twelve.getHeight(), (float) (0.9 * 12.0));
    EXPECT_TRUE (log.contains ("Reducing font size to 10.8"));

    juce::Font fits (12.0f);
    p.job.adjustFontSize (fits, "ok", { 0, 0, 100, 20 });
    EXPECT_EQ (fits.getHeight(), 12.0f);
}

TEST (myPrintTest, FooterText)
{
    vtest::TestSettings settings;
    Company company;
    Page p;
    EXPECT_EQ (p.job.getFooterText (2, 5, false), "Print_PageNumber_footer 2/5");
    company.record.dolgoime = "Vinska klet d.o.o.";
    company.record.naslov = "Cesta 1";
    company.record.posta = "1000 Ljubljana";
    company.record.email = "info@klet.si";
    company.record.mobi = "041 000 000";
    settings.user().setValue ("b_drugo", "TRR pri banki");
    EXPECT_EQ (p.job.getFooterText (1, 3, true),
               "Vinska klet d.o.o. Cesta 1 1000 Ljubljana  stranka_email: info@klet.si stranka_mobi: 041 000 000 TRR pri banki"
               "\n\nPrint_PageNumber_footer 1/3");
    EXPECT_EQ (p.job.getFooterText (1, 3, false), "Vinska klet d.o.o.\n\nPrint_PageNumber_footer 1/3");
}

TEST (myPrintTest, OnTheReceiptPrinterALayoutPlacesNothing)
{
    vtest::TestSettings settings;
    std::unique_ptr<myPOS> receipt (myPOS::initMemory ("t"));
    VindorPrintSettings s;
    s.setDefaults ({});
    receipt->setPrintSettings (s);
    juce::Font font (12.0f);
    auto area = receipt->getPageArea (true);
    EXPECT_EQ (area, juce::Rectangle<int>());
    EXPECT_FALSE (receipt->printTitle (receipt.get(), font, area, receipt.get(), "Racun"));
    EXPECT_EQ (receipt->getBorderPTS(), juce::BorderSize<int> (0));
}

TEST (myPrintTest, OnePageOfBlocksLooksRight)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    Company company;
    company.record.ime = "Vinska klet Vindoro";
    company.record.dolgoime = "Vinska klet Vindoro d.o.o.";
    company.record.naslov = "Vinska cesta 12";
    company.record.posta = "8000 Novo mesto";
    company.record.DrzavaDolgo = "Slovenija";
    company.record.email = "info@vindoro.si";
    company.record.web = "www.vindoro.si";
    company.record.davcna = "SI12345678";
    company.record.tipdavka = true;
    company.record.maticna = "1234567000";
    company.record.IBAN = "SI56191000000123438";
    company.record.swift = "DBSISI2X";
    const auto logo = temp.file ("logo.svg");
    logo.replaceWithText (myPS::getLogoSvg());
    settings.user().setValue ("logofile", logo.getFullPathName());
    settings.user().setValue ("uporabnikdolgoime", "Ana Novak");
    settings.user().setValue ("headerseparator", "1");

    const auto file = temp.file ("page.ps");
    std::unique_ptr<myPS> job (myPS::initFile (file, 0, "Racun", false));
    VindorPrintSettings s;
    s.setDefaults ({});
    s.setValue ("preview", false);
    job->setPrintSettings (s);
    job->setNumberOfPages (1);
    juce::Font font (12.0f);
    auto area = job->getPageArea (true);
    auto footer = area.removeFromBottom (40);
    ASSERT_TRUE (job->printHeader (job.get(), font, area, job.get()));
    ASSERT_TRUE (job->printTitle (job.get(), font, area, job.get(), "Racun 2026-00012"));
    font = juce::Font (11.0f);
    auto framed = area.removeFromTop (60);
    job->printBorders (job.get(), framed, job.get(), 1.0f);
    job->printText (job.get(), font, framed, job.get(), "Besedilo v okvirju, ki se prelomi v vec vrstic, ko je dovolj dolgo, "
                    "da ne gre v eno samo vrstico strani.", juce::Justification::left, false);
    job->printUporabnikSignature (job.get(), font, area, job.get(), "Izdal", "Prejel");
    job->printKrajUporabnik (job.get(), font, area, job.get(), "Porocilo pripravil");
    job->printFooter (job.get(), font, footer, job.get(), 1, 1);
    ASSERT_TRUE (job->save ({}));
    job.reset();

    const auto pages = vtest::renderPages (file, juce::File ("/tmp"), "vindoro-layout-page", 100);
    ASSERT_EQ (pages.size(), 1);
    const auto image = juce::ImageFileFormat::loadFrom (pages[0]);
    EXPECT_EQ (image.getWidth(), 826) << "A4 at 100 dpi";
    // The separator bar under the header is black across the page.
    int darkRows = 0;
    for (int y = 0; y < image.getHeight() / 3; ++y)
        if (image.getPixelAt (image.getWidth() / 2, y).getBrightness() < 0.2f && image.getPixelAt (100, y).getBrightness() < 0.2f
            && image.getPixelAt (700, y).getBrightness() < 0.2f)
            ++darkRows;
    EXPECT_GE (darkRows, 2);
}
