#pragma once
// The choice row of editor panels: picking a text stores its value (same position) in the
// window's Value; the framework's choice row with the program's row height.
#include <juce_gui_basics/juce_gui_basics.h>

class VindorChoicePropertyComponent : public juce::ChoicePropertyComponent
{
public:
    VindorChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                   const juce::StringArray& choices, const juce::Array<juce::var>& values);
    ~VindorChoicePropertyComponent() override;
};
