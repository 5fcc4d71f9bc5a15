#pragma once
// The shaded backdrop of a vessel (a glow, the kind's picture, a veil over it), rendered once per
// picture, size, pixel scale and window colour and then copied for every vessel of that kind:
// drawing the pictures anew for each of hundreds of vessels made every repaint of a cellar slow.
// A canvas owns one and empties it when its zoom changes; the pictures must outlive it.
#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <tuple>

class VesselPictureCache
{
public:
    /** Paints the backdrop straight into `area` (`picture` may be null: the shading alone). */
    static void drawBackdrop (juce::Graphics& g, juce::Rectangle<float> area, juce::Drawable* picture,
                              juce::Colour background);

    /** Paints the backdrop into the whole-pixel `area` from the cached image, rendering it first
        if this picture, size, scale and colour have not been drawn yet. */
    void draw (juce::Graphics& g, juce::Rectangle<int> area, juce::Drawable* picture, juce::Colour background);

    void clear() { images.clear(); }
    int getNumImages() const { return (int) images.size(); }

private:
    using Key = std::tuple<const juce::Drawable*, int, int, float, juce::uint32>;
    std::map<Key, juce::Image> images;
};
