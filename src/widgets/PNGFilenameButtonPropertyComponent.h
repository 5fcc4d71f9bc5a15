#pragma once
// A PNG picture setting that takes effect at the next start: the file row keeps only PNG files.
#include "widgets/SettingsPropertyComponent.h"

class PNGFilenameButtonPropertyComponent : public SettingsPropertyComponent
{
public:
    PNGFilenameButtonPropertyComponent (const juce::String& settingKey, const juce::String& name);
};
