#pragma once
// A file row whose chooser offers files of one pattern and accepts a chosen file only when
// testChosenFilename agrees; a refused file leaves the path as it was. Value owned by the caller.
#include "widgets/ValButtonPropertyComponent.h"

#include <memory>

class FilenameButton : public ValButtonPropertyComponent
{
public:
    FilenameButton (const juce::Value& value, const juce::String& name, const juce::String& filePattern);
    ~FilenameButton() override;

    void buttonClicked() override;
    juce::String getButtonText() const override { return "..."; }
    virtual bool testChosenFilename (const juce::String& path);

    /** Where the chooser starts: the current text as a file, or the working folder when empty. */
    juce::File getStartLocation() const;

    /** What the chooser gives back: a cancel changes nothing; a chosen file is tested first. */
    void chooserAnswered (const juce::File& chosen);

    const juce::String& getFilePattern() const { return filePattern; }
    juce::FileChooser* getActiveChooser() const { return chooser.get(); }

protected:
    /** The common refusal of a path that names no file: empty, a folder or nothing at all. */
    static bool namesExistingFile (const juce::String& path);

    juce::Value value;
    juce::String filePattern;
    std::unique_ptr<juce::FileChooser> chooser;
};
