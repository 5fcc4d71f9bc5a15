#pragma once
// A file row for PNG pictures: a chosen file is kept only when it exists and loads as a PNG.
#include "widgets/FilenameButton.h"

class PNGFilenameButton : public FilenameButton
{
public:
    PNGFilenameButton (const juce::Value& value, const juce::String& name);
    bool testChosenFilename (const juce::String& path) override;
};
