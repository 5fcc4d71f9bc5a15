#include "widgets/SVGFilenameButtonPropertyComponent.h"
#include "widgets/SVGFilenameButton.h"

SVGFilenameButtonPropertyComponent::SVGFilenameButtonPropertyComponent (const juce::String& key, const juce::String& name)
    : SettingsPropertyComponent (key, false)
{
    setEditor (new SVGFilenameButton (value, name));
}
