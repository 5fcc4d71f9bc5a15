#include "widgets/FolderButton.h"
#include "widgets/VindorPropertyPanel.h"

namespace
{
constexpr int kMaxPathChars = 200;
}

FolderButton::FolderButton (const juce::Value& v, const juce::String& name, double share)
    : ValButtonPropertyComponent (v, name, kMaxPathChars, false, share, true)
{
    value.referTo (v);
    refresh();
}

FolderButton::~FolderButton() = default;

int FolderButton::chooserFlags() const
{
    return juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectDirectories;
}

void FolderButton::buttonClicked()
{
    chooser = std::make_unique<juce::FileChooser> (TRANS ("Choose a file ..."), juce::File (getText()), "*", false);
    juce::Component::SafePointer<FolderButton> safeThis (this);
    chooser->launchAsync (chooserFlags(), [safeThis] (const juce::FileChooser& fc)
    {
        if (safeThis != nullptr)
            safeThis->chooserAnswered (fc.getResult());
    });
}

void FolderButton::chooserAnswered (const juce::File& chosen)
{
    if (chosen == juce::File())
        return;

    value = chosen.getFullPathName();
    refresh();
}
