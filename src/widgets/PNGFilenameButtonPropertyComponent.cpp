#include "widgets/PNGFilenameButtonPropertyComponent.h"
#include "widgets/PNGFilenameButton.h"

PNGFilenameButtonPropertyComponent::PNGFilenameButtonPropertyComponent (const juce::String& key, const juce::String& name)
    : SettingsPropertyComponent (key, true)
{
    setEditor (new PNGFilenameButton (value, name));
}
