#pragma once
// The button row that the program's picker and date buttons derive from: the framework's button
// row with the program's row height. Subclasses supply the click and the caption.
#include <juce_gui_basics/juce_gui_basics.h>

class VindorButtonPropertyComponent : public juce::ButtonPropertyComponent
{
public:
    explicit VindorButtonPropertyComponent (const juce::String& name);
    ~VindorButtonPropertyComponent() override;

    // Not pure, so the constructor may already show a caption; subclasses override it.
    juce::String getButtonText() const override { return {}; }
};
