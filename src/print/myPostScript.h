#pragma once
// Turns drawing into A4 PostScript text: a graphics context the framework can draw into and a
// print target for page layouts. Every page is written as a complete document (header, prolog,
// page set-up); only myPS is ever created. The state stack never loses its initial state.
#include "print/myPrint.h"

#include <juce_graphics/juce_graphics.h>

class myPostScript : public juce::LowLevelGraphicsContext, public myPrint
{
public:
    myPostScript (juce::OutputStream& out, const juce::String& title, int pageWidth, int pageHeight, bool preview);
    ~myPostScript() override;

    // Graphics context
    bool isVectorDevice() const override;
    void setOrigin (juce::Point<int>) override;
    void addTransform (const juce::AffineTransform&) override;
    float getPhysicalPixelScaleFactor() override;
    bool clipToRectangle (const juce::Rectangle<int>&) override;
    bool clipToRectangleList (const juce::RectangleList<int>&) override;
    void excludeClipRectangle (const juce::Rectangle<int>&) override;
    void clipToPath (const juce::Path&, const juce::AffineTransform&) override;
    void clipToImageAlpha (const juce::Image&, const juce::AffineTransform&) override;
    bool clipRegionIntersects (const juce::Rectangle<int>&) override;
    juce::Rectangle<int> getClipBounds() const override;
    bool isClipEmpty() const override;
    void saveState() override;
    void restoreState() override;
    void beginTransparencyLayer (float opacity) override;
    void endTransparencyLayer() override;
    void setFill (const juce::FillType&) override;
    void setOpacity (float) override;
    void setInterpolationQuality (juce::Graphics::ResamplingQuality) override;
    void fillRect (const juce::Rectangle<int>&, bool replaceExistingContents) override;
    void fillRect (const juce::Rectangle<float>&) override;
    void fillRectList (const juce::RectangleList<float>&) override;
    void fillPath (const juce::Path&, const juce::AffineTransform&) override;
    void drawImage (const juce::Image&, const juce::AffineTransform&) override;
    void drawLine (const juce::Line<float>&) override;
    void setFont (const juce::Font&) override;
    const juce::Font& getFont() override;
    void drawGlyph (int glyphNumber, const juce::AffineTransform&) override;
    bool drawTextLayout (const juce::AttributedString&, const juce::Rectangle<float>&) override;

    // Print target
    void newPage (int pagesDone) override;
    void setNumberOfPages (int pages) override;
    juce::Rectangle<int> getPageArea (bool withoutBorders) override;
    juce::BorderSize<int> getBorderPTS() override;
    int mmToPoints (double mm) override;

    /** The stream the PostScript goes to (the job's, until save() releases it). */
    juce::OutputStream& getOutputStream() { return out; }
    int getPageNumber() const { return pageNumber; }
    int getNumberOfPages() const { return numberOfPages; }
    /** True once the first page header is written (the job has at least one page). */
    bool hasStartedPages() const { return pagesStarted; }
    /** True once the job reached its page cap: further pages and drawing are dropped. */
    bool isPageCapReached() const { return pageCapReached; }

    /** Number texts of the output, independent of the locale. */
    static juce::String formatFixed (double value, int decimals);
    static juce::String formatGeneral (double value, int significantDigits = 6);

protected:
    void writeHeader();
    void writeClip();
    void writeColour (juce::Colour colour);
    void writeXY (float x, float y);
    void writePath (const juce::Path& path);
    void writeTransform (const juce::AffineTransform& t);
    void writeImage (const juce::Image& image);

    /** Drawing goes nowhere once the page cap is reached. */
    bool isDropping() const { return pageCapReached; }

    struct SavedState
    {
        juce::RectangleList<int> clip;
        int xOffset = 0, yOffset = 0;
        juce::FillType fillType;
        juce::Font font;
    };

    juce::OutputStream& out;
    bool needToClip = true;
    juce::Colour lastColour;
    juce::OwnedArray<SavedState> stateStack;
    int pageNumber = 1;
    int numberOfPages = 0;
    bool pagesStarted = false;
    bool pageCapReached = false;

private:
    SavedState& state() const { return *stateStack.getLast(); }
    void fillPathTranslated (const juce::Path& path, const juce::AffineTransform& t);
};
