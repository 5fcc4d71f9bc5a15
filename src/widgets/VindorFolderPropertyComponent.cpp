#include "widgets/VindorFolderPropertyComponent.h"
#include "widgets/FolderButton.h"

VindorFolderPropertyComponent::VindorFolderPropertyComponent (const juce::String& key, const juce::String& name, double share)
    : SettingsPropertyComponent (key, false)
{
    setEditor (new FolderButton (value, name, share));
}
