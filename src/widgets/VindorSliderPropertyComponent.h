#pragma once
// The slider row of editor panels: the slider position is the window's Value; the framework's
// slider row with the program's row height.
#include <juce_gui_basics/juce_gui_basics.h>

class VindorSliderPropertyComponent : public juce::SliderPropertyComponent
{
public:
    VindorSliderPropertyComponent (const juce::Value& value, const juce::String& name,
                                   double minimum, double maximum, double interval, double skewFactor = 1.0);
    ~VindorSliderPropertyComponent() override;
};
