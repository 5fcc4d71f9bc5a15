#pragma once
// The check-box row of editor panels: the toggle state is the window's Value; the framework's
// boolean row with the program's row height.
#include <juce_gui_basics/juce_gui_basics.h>

class VindorBooleanPropertyComponent : public juce::BooleanPropertyComponent
{
public:
    VindorBooleanPropertyComponent (const juce::Value& value, const juce::String& name, const juce::String& buttonText);
    ~VindorBooleanPropertyComponent() override;
};
