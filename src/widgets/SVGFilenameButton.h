#pragma once
// A file row for SVG pictures: a chosen file is kept only when it exists and loads as a drawing.
#include "widgets/FilenameButton.h"

class SVGFilenameButton : public FilenameButton
{
public:
    SVGFilenameButton (const juce::Value& value, const juce::String& name);
    bool testChosenFilename (const juce::String& path) override;
};
