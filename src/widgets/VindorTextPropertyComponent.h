#pragma once
// The text row of editor panels: the framework's text row with the program's row height
// (a multi-line row is four rows high). The window owns the Value it edits.
#include <juce_gui_basics/juce_gui_basics.h>

class VindorTextPropertyComponent : public juce::TextPropertyComponent
{
public:
    VindorTextPropertyComponent (const juce::Value& value, const juce::String& name, int maxChars, bool multiLine);
    ~VindorTextPropertyComponent() override;
};
