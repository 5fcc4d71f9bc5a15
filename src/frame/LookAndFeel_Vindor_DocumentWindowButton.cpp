#include "frame/LookAndFeel_Vindor_DocumentWindowButton.h"

using namespace juce;

LookAndFeel_Vindor_DocumentWindowButton::LookAndFeel_Vindor_DocumentWindowButton (const String& name, Colour c,
                                                                                  const Path& normal, const Path& toggled)
    : Button (name), colour (c), normalShape (normal), toggledShape (toggled)
{
}

void LookAndFeel_Vindor_DocumentWindowButton::paintButton (Graphics& g, bool shouldDrawButtonAsHighlighted,
                                                           bool shouldDrawButtonAsDown)
{
    Colour background (Colours::grey);

    if (auto* rw = findParentComponentOfClass<ResizableWindow>())
        background = rw->getBackgroundColour();

    const float cx = (float) getWidth() * 0.5f, cy = (float) getHeight() * 0.5f;
    const float diam = jmin (cx, cy) * (shouldDrawButtonAsDown ? 0.60f : 0.65f);

    g.setColour (background);
    g.fillEllipse (cx - diam, cy - diam, diam * 2.0f, diam * 2.0f);

    Colour c (background.contrasting (colour, 0.6f));

    if (! isEnabled())
        c = c.withAlpha (0.6f);
    else if (shouldDrawButtonAsHighlighted)
        c = c.brighter();

    g.setColour (c);
    g.drawEllipse (cx - diam, cy - diam, diam * 2.0f, diam * 2.0f, diam * 0.2f);

    const Path& p = getToggleState() ? toggledShape : normalShape;
    const float scale = 0.55f;
    g.fillPath (p, p.getTransformToScaleToFit (cx - diam * scale, cy - diam * scale,
                                               diam * 2.0f * scale, diam * 2.0f * scale, true));
}
