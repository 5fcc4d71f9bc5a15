#include "widgets/VindorTextPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

VindorTextPropertyComponent::VindorTextPropertyComponent (const juce::Value& value, const juce::String& name,
                                                          int maxChars, bool multiLine)
    : juce::TextPropertyComponent (value, name, maxChars, multiLine)
{
    setPreferredHeight (propertyRowHeight (this));
}

VindorTextPropertyComponent::~VindorTextPropertyComponent() = default;
