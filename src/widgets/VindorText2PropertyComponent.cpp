#include "widgets/VindorText2PropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

VindorText2PropertyComponent::VindorText2PropertyComponent (const juce::String& key, const juce::String& name)
    : SettingsPropertyComponent (key, false)
{
    setEditor (new VindorTextPropertyComponent (value, name, 200, false));
}
