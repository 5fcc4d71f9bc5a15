#include "widgets/PathButton.h"

int PathButton::chooserFlags() const
{
    return juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles;
}
