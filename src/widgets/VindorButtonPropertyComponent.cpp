#include "widgets/VindorButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

VindorButtonPropertyComponent::VindorButtonPropertyComponent (const juce::String& name)
    : juce::ButtonPropertyComponent (name, false)
{
    setPreferredHeight (propertyRowHeight (this));
    refresh();
}

VindorButtonPropertyComponent::~VindorButtonPropertyComponent() = default;
