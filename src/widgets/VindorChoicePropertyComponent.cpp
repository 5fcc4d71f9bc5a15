#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

VindorChoicePropertyComponent::VindorChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                              const juce::StringArray& choiceTexts,
                                                              const juce::Array<juce::var>& values)
    : juce::ChoicePropertyComponent (value, name, choiceTexts, values)
{
    setPreferredHeight (propertyRowHeight (this));
}

VindorChoicePropertyComponent::~VindorChoicePropertyComponent() = default;
