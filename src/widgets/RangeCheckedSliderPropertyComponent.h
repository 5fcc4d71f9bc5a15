#pragma once
// A slider row of the settings pages whose text box refuses what the slider cannot hold: a typed
// number outside the range (or no number at all) keeps the slider where it was, so nothing is
// stored, and the user is told the range instead of seeing the value silently clamped.
// Owned by its property panel, like every row.
#include "widgets/VindorSliderPropertyComponent.h"

#include <optional>

class RangeCheckedSliderPropertyComponent : public VindorSliderPropertyComponent
{
public:
    RangeCheckedSliderPropertyComponent (const juce::Value& value, const juce::String& name,
                                         double minimum, double maximum, double interval);
    ~RangeCheckedSliderPropertyComponent() override;

    /** The text's number when it is one inside the range, else nothing ("," counts as the point). */
    static std::optional<double> readTypedNumber (const juce::String& text, double minimum, double maximum);

private:
    double valueFromTypedText (const juce::String& text);
};
