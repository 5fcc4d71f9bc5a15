#pragma once
// The A4 print job windows receive: PostScript collected in memory and run through Ghostscript
// into a PDF for a CUPS queue, or written to a ".ps" preview file that the desktop opens. Adds the
// product stamp on every page and drawing of SVG drawings. Owns its output stream until save().
#include "print/myPostScript.h"

namespace juce
{
class DrawableComposite;
}

class myPS : public myPostScript
{
public:
    myPS (juce::OutputStream& out, const juce::String& title, int pageWidth, int pageHeight, bool preview);
    ~myPS() override;

    /** The job of a print request: a preview file or memory, by the setting "preview". Null when
        the paper size is not A4 (0 portrait, 1 landscape) or the file cannot be opened. */
    static myPS* initPS (const VindorPrintSettings& settings);
    static myPS* initFile (juce::File file, int paperSize, juce::String title, bool preview);
    static myPS* initMemory (int paperSize, juce::String title);

    void newPage (int pagesDone) override;
    void setNumberOfPages (int pages) override;
    juce::Rectangle<int> getPageArea (bool withoutBorders) override { return myPostScript::getPageArea (withoutBorders); }
    juce::BorderSize<int> getBorderPTS() override { return myPostScript::getBorderPTS(); }
    int mmToPoints (double mm) override { return myPostScript::mmToPoints (mm); }
    bool save (juce::String printerName) override;
    void drawDrawable (juce::InputStream& data, juce::Rectangle<float> area) override;
    void drawDrawable (juce::File file, juce::Rectangle<float> area) override;
    void drawDrawable (juce::Drawable* drawing, juce::Rectangle<float> area) override;
    void drawBox (juce::Rectangle<float> box) override;
    // setFill, fillRect and fillPath are the graphics context's own (one override serves both bases).
    void printStamp() override;

    /** Fills every path of a drawing tree with the transform; other elements are skipped (logged). */
    void parseDrawableComposite (juce::DrawableComposite* drawing, const juce::AffineTransform& transform);

    juce::String getFileName() const { return fileName; }

    /** The program's logo drawn in every page's stamp (an SVG document). */
    static juce::String getLogoSvg();

private:
    std::unique_ptr<juce::OutputStream> ownedStream;
    juce::String fileName;
};
