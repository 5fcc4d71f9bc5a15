#include "print/myPrint.h"

#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "core/Log.h"
#include "partners/PaymentReferences.h"
#include "partners/StrankaRecord.h"
#include "partners/StrankaTaxNumber.h"
#include "platform/CupsPrinter.h"
#include "platform/GhostscriptApi.h"

#include <vector>

myPrint::myPrint (const juce::String& t, int w, int h) : title (t), pageWidth (w), pageHeight (h) {}

myPrint::~myPrint() = default;

void myPrint::printStamp() {}

void myPrint::setPrintSettings (const VindorPrintSettings& s)
{
    printSettings = s;
    preview = (bool) printSettings.getValue ("preview").getValue();
}

// ---------------------------------------------------------------- Ghostscript and CUPS

bool myPrint::printEPSStream (juce::MemoryOutputStream& data, juce::String printerName, juce::String jobTitle)
{
    const char* const method = "myPrint::printEPSStream";
    vindoro::vlog (method, "Inside");
    vindoro::vlog (method, "************ datasize=" + juce::String ((juce::int64) data.getDataSize()));

    // There is no Windows printer device here: Ghostscript writes a PDF that CUPS then prints.
    const juce::File pdf = juce::File::getSpecialLocation (juce::File::tempDirectory)
                               .getChildFile ("vindoro-print-" + juce::Uuid().toString() + ".pdf");
    if (! runGhostscript (data, pdf))
    {
        pdf.deleteFile();
        return false;
    }

    juce::String error;
    const int jobId = CupsPrinter::printFile (pdf, printerName, jobTitle, error);
    pdf.deleteFile();
    if (jobId == 0)
    {
        vindoro::vlog (method, "ERROR: " + error);
        return false;
    }
    vindoro::vlog (method, "CUPS job " + juce::String (jobId));
    return true;
}

bool myPrint::runGhostscript (juce::MemoryOutputStream& data, const juce::File& pdf)
{
    const char* const method = "myPrint::printEPSStream";
    juce::StringArray args { "gs", "-sDEVICE=pdfwrite", "-sPAPERSIZE=a4", "-q", "-dNOPAUSE", "-dNOPAGEPROMPT",
                             "-dBATCH", "-dQUIET", "-dSAFER", "-sOutputFile=" + pdf.getFullPathName() };
    std::vector<std::string> argTexts;
    for (int i = 0; i < args.size(); ++i)
    {
        vindoro::vlog (method, juce::String (i) + "=" + args[i]);
        argTexts.push_back (args[i].toStdString());
    }
    std::vector<char*> argv;
    for (auto& a : argTexts)
        argv.push_back (a.data());

    auto& gs = GhostscriptApi::get();
    void* instance = nullptr;
    if (gs.newInstance (&instance, nullptr) < 0)
    {
        vindoro::vlog (method, "ERROR: Ghostscript could not be started");
        return false;
    }

    vindoro::vlog (method, "************ TU 000");
    int code = gs.setArgEncoding (instance, GhostscriptApi::kArgEncodingUtf8);
    vindoro::vlog (method, "************ TU 00");
    bool runFailed = false;
    auto isError = [] (int rc) { return rc < 0 && rc != GhostscriptApi::kNeedInput && rc != GhostscriptApi::kQuit; };
    if (code == 0)
    {
        code = gs.initWithArgs (instance, (int) argv.size(), argv.data());
        vindoro::vlog (method, "************ TU 0: code=" + juce::String (code));
    }
    if (code == 0)
    {
        int exitCode = 0;
        vindoro::vlog (method, "************ TU 1");
        gs.runStringBegin (instance, 0, &exitCode);
        vindoro::vlog (method, "************ TU 2: exit_code=" + juce::String (exitCode));

        const auto* bytes = static_cast<const char*> (data.getData());
        const size_t size = data.getDataSize();
        const size_t blocks = size / (size_t) kBlockSize;
        const size_t leftover = size % (size_t) kBlockSize;
        vindoro::vlog (method, "nBlocks=" + juce::String ((juce::int64) blocks) + " nLeftover=" + juce::String ((juce::int64) leftover));
        for (size_t b = 0; b < blocks; ++b)
            runFailed = isError (gs.runStringContinue (instance, bytes + b * (size_t) kBlockSize, (unsigned int) kBlockSize, 0, &exitCode))
                        || runFailed;
        if (leftover > 0)
            runFailed = isError (gs.runStringContinue (instance, bytes + blocks * (size_t) kBlockSize, (unsigned int) leftover, 0, &exitCode))
                        || runFailed;
        vindoro::vlog (method, "************ TU 3: exit_code=" + juce::String (exitCode));
        runFailed = isError (gs.runStringEnd (instance, 0, &exitCode)) || runFailed;
        vindoro::vlog (method, "************ TU 4: exit_code=" + juce::String (exitCode));
    }

    int result = gs.exit (instance);
    if (code != 0 && code != GhostscriptApi::kQuit)
        result = code;
    gs.deleteInstance (instance);

    if ((result != 0 && result != GhostscriptApi::kQuit) || runFailed)
    {
        vindoro::vlog (method, "End");
        vindoro::vlog (method, "ERROR: Ghostscript failed with code " + juce::String (result));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- layout helpers

namespace
{
bool noPrinter (const char* method, myPrint* printer)
{
    if (printer != nullptr)
        return false;
    vindoro::vlog (method, "ERROR: no setup provided");
    return true;
}

double settingOf (myPrint* printer, const char* key)
{
    return (double) printer->getPrintSettings().getValue (key).getValue();
}

// A block that cannot fit even on an empty page would be retried on every new page for ever.
bool tooTallForAnyPage (const char* method, myPrint* printer, float blockHeight)
{
    const auto page = printer->getPageArea (true);
    if (page.getHeight() <= 0 || blockHeight <= (float) page.getHeight())
        return false;
    vindoro::vlog (method, "ERROR: block of " + juce::String (blockHeight) + " points is higher than a page, skipped");
    return true;
}

void drawGlyphs (myPrint* output, const juce::GlyphArrangement& glyphs)
{
    if (output == nullptr)
        return;
    juce::Path p;
    glyphs.createPath (p);
    output->setFill (juce::Colours::black);
    output->fillPath (p, {});
}

void takeFromTop (juce::Rectangle<int>& area, float amount)
{
    area.removeFromTop ((int) amount);
}

juce::String userSetting (const char* key)
{
    auto* props = getUserSettings();
    return props != nullptr ? props->getValue (key, {}) : juce::String();
}

float heightOf (const juce::GlyphArrangement& glyphs)
{
    return glyphs.getNumGlyphs() > 0 ? glyphs.getBoundingBox (0, -1, true).getHeight() : 0.0f;
}
} // namespace

bool myPrint::printHeader (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer)
{
    const char* method = "myPrint::printHeader";
    if (noPrinter (method, printer))
        return false;
    const auto& company = getPodjetje();
    const float space = (float) settingOf (printer, "space");
    const float m = (float) (settingOf (printer, "border") * 2.0);

    auto columns = area.toFloat();
    const float w = columns.getWidth();
    auto right = columns.removeFromRight (0.4f * w);
    auto logo = columns.removeFromLeft (0.2f * w);
    auto middle = columns;

    float h = (float) (printer->mmToPoints (43) - printer->getBorderPTS().getTop());
    if (h < 1.0f)
    {
        vindoro::vlog (method, "ERROR: glavapts negativen:" + juce::String (h));
        h = 0.146f * (float) area.getHeight();
    }
    if (h > (float) area.getHeight())
        return false;
    const auto logoBox = logo.withHeight (h);

    // Middle column: name, address lines, contact lines.
    middle = middle.reduced (m);
    juce::StringArray address;
    for (const auto& line : { company.naslov, company.posta, company.DrzavaDolgo })
        if (line.isNotEmpty())
            address.add (line);
    juce::String contacts;
    int contactLines = 0;
    if (company.email.isNotEmpty())
    {
        contacts << TRANS ("stranka_email") << ": " << company.email;
        ++contactLines;
    }
    if (company.web.isNotEmpty())
    {
        if (contacts.isNotEmpty())
            contacts << "\n";
        contacts << TRANS ("stranka_web") << ": " << company.web;
        ++contactLines;
    }
    const bool crowded = address.size() == 3 && contactLines == 2;
    const float addressHeight = crowded ? 11.0f : 12.0f;
    const float contactHeight = crowded ? 9.0f : 10.0f;

    juce::GlyphArrangement middleGlyphs;
    font = font.withHeight (16.0f).withStyle (juce::Font::plain);
    middleGlyphs.addFittedText (font, company.ime, middle.getX(), middle.getY(), middle.getWidth(), 16.0f + space,
                                juce::Justification::topLeft, 1, 1.0f);
    float y = middle.getY() + 16.0f + space;
    if (address.size() > 0)
    {
        font = font.withHeight (addressHeight);
        middleGlyphs.addFittedText (font, address.joinIntoString ("\n"), middle.getX(), y, middle.getWidth(),
                                    (addressHeight + space) * (float) address.size(), juce::Justification::topLeft,
                                    address.size(), 1.0f);
    }
    y += (addressHeight + space) * (float) address.size();
    if (contactLines > 0)
    {
        font = font.withHeight (contactHeight);
        middleGlyphs.addFittedText (font, contacts, middle.getX(), y, middle.getWidth(), (contactHeight + space) * (float) contactLines,
                                    juce::Justification::topLeft, contactLines, 1.0f);
    }
    const float middleHeight = heightOf (middleGlyphs);
    if (middleHeight > (float) area.getHeight())
        return false;

    // Right column: the company's numbers, one line each.
    right = right.reduced (m);
    font = font.withHeight (11.0f).withStyle (juce::Font::plain);
    juce::StringArray numbers;
    const juce::String taxNumber = getStrankaTaxNumber (company);
    if (taxNumber.isNotEmpty())
        numbers.add ((company.tipdavka ? TRANS ("Stranka_Vat") : TRANS ("Stranka_davcna")) + ": " + taxNumber);
    if (company.maticna.isNotEmpty())
        numbers.add (TRANS ("stranka_maticna") + ": " + company.maticna);
    if (company.IBAN.isNotEmpty())
        numbers.add (TRANS ("iban_iban") + ": " + groupByFour (company.IBAN));
    if (company.swift.isNotEmpty())
        numbers.add (TRANS ("iban_swift") + ": " + company.swift);
    juce::GlyphArrangement rightGlyphs;
    float rightY = right.getY();
    for (const auto& line : numbers)
    {
        rightGlyphs.addFittedText (font, line, right.getX(), rightY, right.getWidth(), 11.0f + space,
                                   juce::Justification::topRight, 1, 1.0f);
        rightY += 11.0f + space;
    }
    const float rightHeight = heightOf (rightGlyphs);
    if (rightHeight > (float) area.getHeight())
        return false;

    if (output != nullptr)
    {
        const juce::String logoFile = userSetting ("logofile");
        if (logoFile.isNotEmpty())
            output->drawDrawable (juce::File (logoFile), logoBox.reduced (m));
        drawGlyphs (output, middleGlyphs);
        drawGlyphs (output, rightGlyphs);
    }
    takeFromTop (area, juce::jmax (middleHeight, rightHeight, h));

    auto* props = getUserSettings();
    const double separator = props != nullptr ? props->getDoubleValue ("headerseparator", 0.0) : 0.0;
    if (separator > 0.0)
    {
        const auto bar = area.removeFromTop (printer->mmToPoints (separator));
        if (output != nullptr)
        {
            output->setFill (juce::Colours::black);
            output->fillRect (bar.toFloat());
        }
    }
    return true;
}

bool myPrint::printKrajUporabnik (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer,
                                  juce::String rightText)
{
    const char* method = "myPrint::printKrajUporabnik";
    if (noPrinter (method, printer))
        return false;
    const float f = (float) (settingOf (printer, "border") * 10.0);
    const float space = (float) settingOf (printer, "space");
    const auto r = area.toFloat().withTrimmedTop (f).withTrimmedLeft (f).withTrimmedRight (f);
    const auto& company = getPodjetje();
    const juce::String place = company.naselje.isNotEmpty() ? company.naselje : TRANS ("Print_Racun_Kraj_manjka");
    const juce::String today = juce::Time::getCurrentTime().formatted (TRANS ("%Y-%m-%d"));
    const float below = (10.0f + space) * 2.0f;

    juce::GlyphArrangement glyphs;
    font = font.withHeight (10.0f).withStyle (juce::Font::plain);
    glyphs.addFittedText (font, TRANS ("Print_Racun_Kraj"), r.getX(), r.getY(), r.getWidth(), (10.0f + space) * 2.0f,
                          juce::Justification::topLeft, 2, 1.0f);
    glyphs.addFittedText (font, rightText, r.getX(), r.getY(), r.getWidth(), (10.0f + space) * 2.0f,
                          juce::Justification::topRight, 2, 1.0f);
    font = font.withHeight (12.0f);
    glyphs.addFittedText (font, place + ", " + today, r.getX(), r.getY() + below, r.getWidth(), (12.0f + space) * 2.0f,
                          juce::Justification::topLeft, 2, 1.0f);
    glyphs.addFittedText (font, userSetting ("uporabnikdolgoime"), r.getX(), r.getY() + below, r.getWidth(),
                          (12.0f + space) * 2.0f, juce::Justification::topRight, 2, 1.0f);
    const float height = heightOf (glyphs);
    if (height + f > (float) area.getHeight())
        return tooTallForAnyPage (method, printer, height + f);
    drawGlyphs (output, glyphs);
    takeFromTop (area, height + f);
    return true;
}

bool myPrint::printFooter (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer, int page, int pages)
{
    const char* method = "myPrint::printFooter";
    if (noPrinter (method, printer))
        return false;
    const float g = (float) (settingOf (printer, "border") * 2.0);
    const float space = (float) settingOf (printer, "space");
    const auto r = area.toFloat().reduced (g);
    font = font.withHeight (8.0f).withStyle (juce::Font::plain);
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, getFooterText (page, pages, true), r.getX(), r.getY(), r.getWidth(), (8.0f + space) * 3.0f,
                          juce::Justification::centredTop, 3, 1.0f);
    const float height = heightOf (glyphs);
    if (height + g > (float) area.getHeight())
        return tooTallForAnyPage (method, printer, height + g);
    drawGlyphs (output, glyphs);
    takeFromTop (area, height + g);
    return true;
}

juce::String myPrint::getFooterText (int page, int pages, bool withContacts)
{
    const auto& company = getPodjetje();
    juce::String text = company.dolgoime;
    if (withContacts)
    {
        text << " " << company.naslov << " " << company.posta << " " << company.DrzavaDolgo;
        const std::pair<juce::String, juce::String> contacts[] = {
            { TRANS ("stranka_email"), company.email },     { TRANS ("stranka_web"), company.web },
            { TRANS ("stranka_telefon"), company.telefon }, { TRANS ("stranka_telefon2"), company.telefon2 },
            { TRANS ("stranka_faks"), company.faks },       { TRANS ("stranka_mobi"), company.mobi },
        };
        for (const auto& [label, value] : contacts)
            if (value.isNotEmpty())
                text << " " << label << ": " << value;
        text << " " << userSetting ("b_drugo") << "\n\n";
    }
    else if (text.isNotEmpty())
    {
        text << "\n\n";
    }
    text << TRANS ("Print_PageNumber_footer") << " " << page << "/" << pages;
    return text;
}

bool myPrint::printTitle (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer, juce::String text)
{
    const char* method = "myPrint::printTitle";
    if (noPrinter (method, printer))
        return false;
    const float g = (float) (settingOf (printer, "border") * 10.0);
    const float space = (float) settingOf (printer, "space");
    auto r = area.toFloat().withTrimmedTop (g);

    font.setBold (true);
    font.setHeight (24.0f);
    if (font.getStringWidthFloat (text) > 0.9f * r.getWidth())
        font.setHeight (16.0f);

    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, text, r.getX(), r.getY(), r.getWidth(), font.getHeight() + space,
                          juce::Justification::topLeft, 1, 1.0f);
    const float height = glyphs.getBoundingBox (0, -1, true).getHeight();
    if (height + g > (float) area.getHeight())
        return tooTallForAnyPage (method, printer, height + g);
    drawGlyphs (output, glyphs);
    takeFromTop (area, height + g);
    return true;
}

bool myPrint::printText (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer,
                         juce::String text, juce::Justification justification, bool fitted)
{
    const char* method = "myPrint::printText";
    if (noPrinter (method, printer))
        return false;
    const auto r = area.toFloat();
    juce::GlyphArrangement glyphs;
    if (fitted)
        glyphs.addFittedText (font, text, r.getX(), r.getY(), r.getWidth(), font.getHeight(),
                              justification.getFlags() | juce::Justification::top, 1, 1.0f);
    else
        glyphs.addJustifiedText (font, text, r.getX(), r.getY() + font.getHeight(), r.getWidth(), justification);
    const float height = glyphs.getBoundingBox (0, -1, true).getHeight();
    if (height > (float) area.getHeight())
        return tooTallForAnyPage (method, printer, height);
    drawGlyphs (output, glyphs);
    takeFromTop (area, height);
    return true;
}

bool myPrint::printVSpace (juce::Rectangle<int>& area, myPrint* printer, float mm)
{
    if (noPrinter ("myPrint::printVSpace", printer))
        return false;
    const int len = printer->mmToPoints (mm);
    if (area.getHeight() < len)
        return false;
    area.removeFromTop (len);
    return true;
}

bool myPrint::printBorders (myPrint* output, juce::Rectangle<int>& area, myPrint* printer, float lineWidth)
{
    if (noPrinter ("myPrint::printBorders", printer))
        return false;
    if (output != nullptr)
    {
        const auto r = area.toFloat();
        output->setFill (juce::Colours::black);
        output->fillRect (r.expanded (lineWidth / 2.0f));
        output->setFill (juce::Colours::white);
        output->fillRect (r.reduced (lineWidth / 2.0f));
        output->setFill (juce::Colours::black);
    }
    return true;
}

bool myPrint::printUporabnik (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer,
                              juce::String text)
{
    const char* method = "myPrint::printUporabnik";
    if (noPrinter (method, printer))
        return false;
    const float g = (float) (settingOf (printer, "border") * 10.0);
    const float space = (float) settingOf (printer, "space");
    const auto r = area.toFloat().withTrimmedTop (g).withTrimmedRight (g);
    auto* props = getUserSettings();
    const juce::String user = props != nullptr ? props->getValue ("uporabnikdolgoime", {}) : juce::String();

    font = font.withHeight (12.0f).withStyle (juce::Font::plain);
    const float box = (12.0f + space) * 2.0f;
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, text, r.getX(), r.getY(), r.getWidth(), box, juce::Justification::topRight, 2, 1.0f);
    glyphs.addFittedText (font, user, r.getX(), r.getY() + box, r.getWidth(), box, juce::Justification::topRight, 2, 1.0f);
    const float height = glyphs.getBoundingBox (0, -1, true).getHeight();
    if (height + g > (float) area.getHeight())
        return tooTallForAnyPage (method, printer, height + g);
    drawGlyphs (output, glyphs);
    takeFromTop (area, height + g);
    return true;
}

bool myPrint::printUporabnikSignature (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer,
                                       juce::String leftText, juce::String rightText)
{
    const char* method = "myPrint::printUporabnikSignature";
    if (noPrinter (method, printer))
        return false;
    const double border = settingOf (printer, "border");
    const float g = (float) (border * 30.0);
    const float s = (float) (border * 50.0);
    const float space = (float) settingOf (printer, "space");
    const auto r = area.toFloat().withTrimmedTop (g).withTrimmedLeft (s).withTrimmedRight (s);
    auto* props = getUserSettings();
    const juce::String user = props != nullptr ? props->getValue ("uporabnikdolgoime", {}) : juce::String();

    font = font.withHeight (12.0f).withStyle (juce::Font::plain);
    const float box = (12.0f + space) * 2.0f;
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, leftText, r.getX(), r.getY(), r.getWidth(), box, juce::Justification::topLeft, 2, 1.0f);
    glyphs.addFittedText (font, user, r.getX(), r.getY() + box, r.getWidth(), box, juce::Justification::topLeft, 2, 1.0f);
    glyphs.addFittedText (font, rightText, r.getX(), r.getY(), r.getWidth(), box, juce::Justification::topRight, 2, 1.0f);
    const float height = glyphs.getBoundingBox (0, -1, true).getHeight();
    if (height + g > (float) area.getHeight())
        return tooTallForAnyPage (method, printer, height + g);
    drawGlyphs (output, glyphs);
    takeFromTop (area, height + g);
    return true;
}

void myPrint::adjustFontSize (juce::Font& font, juce::String text, juce::Rectangle<int> area)
{
    juce::StringArray lines;
    lines.addLines (text);
    for (const auto& line : lines)
    {
        while ((int) std::ceil (font.getStringWidthFloat (line)) > area.getWidth())
        {
            const float newHeight = (float) (0.9 * (double) font.getHeight());
            if (newHeight < 10.0f)
                return;
            font.setHeight (newHeight);
            vindoro::vlog ("myPrint::adjustFontSize", "Reducing font size to " + juce::String (newHeight));
        }
    }
}
