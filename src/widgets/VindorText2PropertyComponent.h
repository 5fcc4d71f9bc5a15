#pragma once
// A one-line text setting (at most 200 characters) written to its settings key on every edit.
// Settings the print code reads as numbers (the page margins) refuse what it cannot use.
#include "widgets/SettingsPropertyComponent.h"

class VindorText2PropertyComponent : public SettingsPropertyComponent
{
public:
    VindorText2PropertyComponent (const juce::String& settingKey, const juce::String& name);

    bool checkValue (const juce::Value& v) override;
    juce::String getInvalidValueMessage (const juce::Value& v) override;
};
