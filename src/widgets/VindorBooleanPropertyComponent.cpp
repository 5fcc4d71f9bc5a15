#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

VindorBooleanPropertyComponent::VindorBooleanPropertyComponent (const juce::Value& value, const juce::String& name,
                                                                const juce::String& buttonText)
    : juce::BooleanPropertyComponent (value, name, buttonText)
{
    setPreferredHeight (propertyRowHeight (this));
}

VindorBooleanPropertyComponent::~VindorBooleanPropertyComponent() = default;
