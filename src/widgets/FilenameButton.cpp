#include "widgets/FilenameButton.h"
#include "frame/MessageBoxes.h"

namespace
{
constexpr int kMaxPathChars = 200;
constexpr double kButtonShare = 0.1;
}

FilenameButton::FilenameButton (const juce::Value& v, const juce::String& name, const juce::String& pattern)
    : ValButtonPropertyComponent (v, name, kMaxPathChars, false, kButtonShare, true), filePattern (pattern)
{
    value.referTo (v);
    refresh();
}

FilenameButton::~FilenameButton() = default;

bool FilenameButton::namesExistingFile (const juce::String& path)
{
    return path.isNotEmpty() && juce::File::isAbsolutePath (path) && juce::File (path).existsAsFile();
}

bool FilenameButton::testChosenFilename (const juce::String& path)
{
    if (! namesExistingFile (path))
    {
        showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), TRANS ("Izbrana datoteka ne ustreza."), this);
        return false;
    }
    return true;
}

juce::File FilenameButton::getStartLocation() const
{
    const auto text = getText();
    if (text.isEmpty() || ! juce::File::isAbsolutePath (text))
        return juce::File::getCurrentWorkingDirectory();
    return juce::File (text);
}

void FilenameButton::buttonClicked()
{
    chooser = std::make_unique<juce::FileChooser> (TRANS ("Choose a file to load..."), getStartLocation(), filePattern, false);
    juce::Component::SafePointer<FilenameButton> safeThis (this);
    chooser->launchAsync (juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                          [safeThis] (const juce::FileChooser& fc)
                          {
                              if (safeThis != nullptr)
                                  safeThis->chooserAnswered (fc.getResult());
                          });
}

void FilenameButton::chooserAnswered (const juce::File& chosen)
{
    if (chosen == juce::File())
        return;

    if (testChosenFilename (chosen.getFullPathName()))
        value = chosen.getFullPathName();

    refresh();
}
