#pragma once
// A file-path setting: the path as text with a file chooser button; written to its key on every
// change, with the restart notice when the setting takes effect only at the next start.
#include "widgets/SettingsPropertyComponent.h"

class VindorPathPropertyComponent : public SettingsPropertyComponent
{
public:
    VindorPathPropertyComponent (const juce::String& settingKey, const juce::String& name, double buttonShare, bool needsRestart);
    /** The settings pages' form: the button takes a tenth of the row. */
    VindorPathPropertyComponent (const juce::String& settingKey, const juce::String& name, bool needsRestart);
};
