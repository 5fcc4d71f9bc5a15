#pragma once
// The litre slider of the wine windows: its range and step follow the amount available, and an
// editable row is disabled while nothing is available. Owned by its panel; the Value is the caller's.
#include "widgets/VindorSliderPropertyComponent.h"

class VolumeSliderPropertyComponent : public VindorSliderPropertyComponent
{
public:
    VolumeSliderPropertyComponent (const juce::Value& value, const juce::String& name, bool editable);
    ~VolumeSliderPropertyComponent() override;

    /** Sets the range up to maximum and, when value > -1, the slider to value (kept in range). */
    void setRange (double maximum, double value);

    juce::Slider& getSlider() { return slider; }
    bool isEditable() const { return editable; }

private:
    bool editable;
};
