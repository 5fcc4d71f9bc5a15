#pragma once
// A thin separator line of the month calendar that fades out towards both ends.
#include <juce_gui_basics/juce_gui_basics.h>

class StaticGradientComponent : public juce::Component
{
public:
    explicit StaticGradientComponent (const juce::String& name);
    void paint (juce::Graphics& g) override;

    juce::Colour colour { juce::Colours::black };
};
