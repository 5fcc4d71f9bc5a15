#pragma once
// A folder setting: the path as text with a chooser button; written to its key on every change.
#include "widgets/SettingsPropertyComponent.h"

class VindorFolderPropertyComponent : public SettingsPropertyComponent
{
public:
    VindorFolderPropertyComponent (const juce::String& settingKey, const juce::String& name, double buttonShare = 0.1);
};
