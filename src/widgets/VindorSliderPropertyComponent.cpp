#include "widgets/VindorSliderPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

VindorSliderPropertyComponent::VindorSliderPropertyComponent (const juce::Value& value, const juce::String& name,
                                                              double minimum, double maximum, double interval,
                                                              double skewFactor)
    : juce::SliderPropertyComponent (value, name, minimum, maximum, interval, skewFactor)
{
    setPreferredHeight (propertyRowHeight (this));
}

VindorSliderPropertyComponent::~VindorSliderPropertyComponent() = default;
