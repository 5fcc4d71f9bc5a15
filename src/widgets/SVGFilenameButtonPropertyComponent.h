#pragma once
// An SVG picture setting: the file row keeps only files that load as drawings.
#include "widgets/SettingsPropertyComponent.h"

class SVGFilenameButtonPropertyComponent : public SettingsPropertyComponent
{
public:
    SVGFilenameButtonPropertyComponent (const juce::String& settingKey, const juce::String& name);
};
