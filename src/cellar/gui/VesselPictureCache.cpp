#include "cellar/gui/VesselPictureCache.h"

void VesselPictureCache::drawBackdrop (juce::Graphics& g, juce::Rectangle<float> area, juce::Drawable* picture,
                                       juce::Colour background)
{
    const auto c = background.contrasting (1.0f);
    g.setGradientFill (juce::ColourGradient (c.withAlpha (0.8f), area.getCentre(), c.withAlpha (0.0f),
                                             { area.getX(), area.getCentreY() }, true));
    g.fillRect (area);
    if (picture != nullptr)
        picture->drawWithin (g, area, juce::RectanglePlacement::centred, 1.0f);
    g.setGradientFill (juce::ColourGradient (background.withAlpha (0.5f), area.getCentre(), background.withAlpha (0.0f),
                                             { area.getX() + 0.1f * area.getWidth(), area.getCentreY() }, true));
    g.fillRect (area);
}

void VesselPictureCache::draw (juce::Graphics& g, juce::Rectangle<int> area, juce::Drawable* picture, juce::Colour background)
{
    // Rendered at the device's pixel density, so a scaled display copies it without blurring.
    const float scale = g.getInternalContext().getPhysicalPixelScaleFactor();
    const int width = juce::roundToInt ((float) area.getWidth() * scale);
    const int height = juce::roundToInt ((float) area.getHeight() * scale);
    if (width <= 0 || height <= 0)
        return;

    auto& image = images[Key (picture, width, height, scale, background.getARGB())];
    if (! image.isValid())
    {
        image = juce::Image (juce::Image::ARGB, width, height, true);
        juce::Graphics ig (image);
        ig.addTransform (juce::AffineTransform::scale ((float) width / (float) area.getWidth(),
                                                       (float) height / (float) area.getHeight()));
        drawBackdrop (ig, area.withZeroOrigin().toFloat(), picture, background);
    }

    juce::Graphics::ScopedSaveState state (g);
    g.setOpacity (1.0f);
    g.drawImageTransformed (image, juce::AffineTransform::scale ((float) area.getWidth() / (float) width,
                                                                 (float) area.getHeight() / (float) height)
                                       .translated ((float) area.getX(), (float) area.getY()));
}
