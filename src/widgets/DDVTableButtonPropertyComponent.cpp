#include "widgets/DDVTableButtonPropertyComponent.h"

DDVTableButtonPropertyComponent::DDVTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText,
                                                                  const juce::String& tableName, juce::Component* owner)
    : SpecialTableButtonPropertyComponent (name, buttonText, tableName, owner)
{
}
