#include "widgets/StaticGradientComponent.h"

StaticGradientComponent::StaticGradientComponent (const juce::String& name)
    : juce::Component (name)
{
    setInterceptsMouseClicks (false, false);
}

void StaticGradientComponent::paint (juce::Graphics& g)
{
    const auto centre = getLocalBounds().toFloat().getCentre();
    g.setGradientFill (juce::ColourGradient (colour, centre, colour.withAlpha (0.0f), { 0.0f, 0.0f }, true));
    g.fillRect (g.getClipBounds());
}
