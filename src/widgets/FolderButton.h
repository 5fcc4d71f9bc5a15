#pragma once
// A path row whose button opens the framework's own chooser for an existing folder; the chosen
// path is written into the Value. The Value belongs to the settings row or the window.
#include "widgets/ValButtonPropertyComponent.h"

#include <memory>

class FolderButton : public ValButtonPropertyComponent
{
public:
    FolderButton (const juce::Value& value, const juce::String& name, double share);
    ~FolderButton() override;

    void buttonClicked() override;
    juce::String getButtonText() const override { return "..."; }

    /** What the chooser gives back: a chosen path goes into the Value; a cancel changes nothing. */
    void chooserAnswered (const juce::File& chosen);

    juce::FileChooser* getActiveChooser() const { return chooser.get(); }

protected:
    /** The chooser's flags: an existing folder here, an existing file for a path row. */
    virtual int chooserFlags() const;

    juce::Value value;
    std::unique_ptr<juce::FileChooser> chooser;
};
