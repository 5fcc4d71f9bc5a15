#pragma once
// A print target that counts what a page would show instead of drawing it: pages started,
// rectangles and paths filled, and the page each path fell on, for page-loop tests.
#include "print/myPrint.h"

namespace vtest
{
class RecordingPrintTarget : public myPrint
{
public:
    RecordingPrintTarget (int width = 595, int height = 842) : myPrint ("rec", width, height) {}
    void newPage (int) override { ++newPages; }
    void setNumberOfPages (int) override {}
    juce::Rectangle<int> getPageArea (bool) override { return { 40, 40, pageWidth - 80, pageHeight - 80 }; }
    juce::BorderSize<int> getBorderPTS() override { return {}; }
    int mmToPoints (double mm) override { return (int) (mm / 0.35278); }
    bool save (juce::String) override { return true; }
    void drawDrawable (juce::InputStream&, juce::Rectangle<float>) override {}
    void drawDrawable (juce::File, juce::Rectangle<float>) override {}
    void drawDrawable (juce::Drawable*, juce::Rectangle<float>) override {}
    void drawBox (juce::Rectangle<float>) override {}
    void setFill (const juce::FillType&) override {}
    void fillRect (const juce::Rectangle<float>&) override { ++rects; }
    void fillPath (const juce::Path& path, const juce::AffineTransform&) override
    {
        ++paths;
        pathPages.add (newPages);
        pathBounds.add (path.getBounds());
    }

    int newPages = 0, rects = 0, paths = 0;
    /** For every filled path: the page it was drawn on (0 first) and its bounds. */
    juce::Array<int> pathPages;
    juce::Array<juce::Rectangle<float>> pathBounds;
};
} // namespace vtest
