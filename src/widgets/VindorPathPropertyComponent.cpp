#include "widgets/VindorPathPropertyComponent.h"
#include "widgets/PathButton.h"

VindorPathPropertyComponent::VindorPathPropertyComponent (const juce::String& key, const juce::String& name,
                                                          double share, bool restart)
    : SettingsPropertyComponent (key, restart)
{
    setEditor (new PathButton (value, name, share));
}

VindorPathPropertyComponent::VindorPathPropertyComponent (const juce::String& key, const juce::String& name, bool restart)
    : VindorPathPropertyComponent (key, name, 0.1, restart)
{
}
