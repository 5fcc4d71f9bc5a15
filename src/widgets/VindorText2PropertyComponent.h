#pragma once
// A one-line text setting (at most 200 characters) written to its settings key on every edit.
#include "widgets/SettingsPropertyComponent.h"

class VindorText2PropertyComponent : public SettingsPropertyComponent
{
public:
    VindorText2PropertyComponent (const juce::String& settingKey, const juce::String& name);
};
