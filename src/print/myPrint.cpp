#include "print/myPrint.h"

#include "app/Globals.h"
#include "app/Log.h"
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
} // namespace

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
