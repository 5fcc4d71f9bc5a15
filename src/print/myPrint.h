#pragma once
// The abstract print target every window prints through: page geometry in points (origin top
// left, y downwards), the job's settings and the page-layout helpers. Back ends: the A4
// PostScript job (myPS) and the receipt printer (myPOS). save() comes once, last, before deletion.
#include "print/VindorPrintSettings.h"

#include <juce_graphics/juce_graphics.h>

namespace juce
{
class Drawable;
}

class myPrint
{
public:
    myPrint (const juce::String& title, int pageWidth, int pageHeight);
    virtual ~myPrint();

    /** Ends the current page and starts the next; the argument (pages output so far) is informational. */
    virtual void newPage (int pagesDone) = 0;
    /** Announces the total page count of the job (all copies) and starts page 1. */
    virtual void setNumberOfPages (int pages) = 0;
    virtual juce::Rectangle<int> getPageArea (bool withoutBorders) = 0;
    virtual juce::BorderSize<int> getBorderPTS() = 0;
    virtual int mmToPoints (double mm) = 0;
    /** Ends the job and delivers it (printer or preview). An empty name stands for the setting
        "printer". Returns false when the job did not reach its printer or viewer (nothing laid out,
        the device refused it): the window must then report a failed print, never a printed one. */
    virtual bool save (juce::String printerName) = 0;
    virtual void drawDrawable (juce::InputStream& data, juce::Rectangle<float> area) = 0;
    virtual void drawDrawable (juce::File file, juce::Rectangle<float> area) = 0;
    virtual void drawDrawable (juce::Drawable* drawing, juce::Rectangle<float> area) = 0;
    virtual void drawBox (juce::Rectangle<float> box) = 0;
    virtual void setFill (const juce::FillType& fill) = 0;
    virtual void fillRect (const juce::Rectangle<float>& rect) = 0;
    virtual void fillPath (const juce::Path& path, const juce::AffineTransform& transform) = 0;
    virtual void printStamp();

    /** Runs a PostScript buffer through Ghostscript into a temporary PDF and hands that to the CUPS
        destination (empty: the scheduler's default) as one job of one copy with the title. False
        when Ghostscript answered an error, or no destination or no CUPS job came of it. */
    static bool printEPSStream (juce::MemoryOutputStream& data, juce::String printerName, juce::String title = {});

    /** The Ghostscript half of printEPSStream: the buffer, fed in blocks, becomes the PDF file.
        False when Ghostscript answered an error (the exit-code rule: 0 and quit are success). */
    static bool runGhostscript (juce::MemoryOutputStream& data, const juce::File& pdf);

    /** Size of the pieces the PostScript is fed to Ghostscript in. */
    static constexpr int kBlockSize = 65535;

    /** Replaces the job's settings and takes "preview" from them. */
    void setPrintSettings (const VindorPrintSettings& s);
    VindorPrintSettings& getPrintSettings() { return printSettings; }
    bool isPreview() const { return preview; }
    const juce::String& getTitle() const { return title; }
    int getPageWidth() const { return pageWidth; }
    int getPageHeight() const { return pageHeight; }

    // Page-layout helpers. Each places one block at the top of area, draws it when output is not
    // null, takes its height off the top of area and answers whether it fitted.
    bool printHeader (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer);
    bool printTitle (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer, juce::String title);
    bool printText (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer, juce::String text,
                    juce::Justification justification, bool fitted);
    bool printVSpace (juce::Rectangle<int>& area, myPrint* printer, float mm);
    bool printBorders (myPrint* output, juce::Rectangle<int>& area, myPrint* printer, float lineWidth);
    bool printKrajUporabnik (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer,
                             juce::String rightText);
    bool printUporabnik (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer, juce::String text);
    bool printUporabnikSignature (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer,
                                  juce::String leftText, juce::String rightText);
    bool printFooter (myPrint* output, juce::Font& font, juce::Rectangle<int>& area, myPrint* printer, int page, int pages);
    juce::String getFooterText (int page, int pages, bool withContacts);
    void adjustFontSize (juce::Font& font, juce::String text, juce::Rectangle<int> area);

    /** The most pages one job writes; pages past it are dropped with a log line, so a page loop
        that never ends cannot fill the printer. */
    static constexpr int kMaxPagesPerJob = 2000;

protected:
    juce::String title;
    int pageWidth = 0;
    int pageHeight = 0;
    bool preview = false;
    VindorPrintSettings printSettings;
};
