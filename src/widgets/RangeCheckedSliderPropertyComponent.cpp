#include "widgets/RangeCheckedSliderPropertyComponent.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"

RangeCheckedSliderPropertyComponent::RangeCheckedSliderPropertyComponent (const juce::Value& value, const juce::String& name,
                                                                          double minimum, double maximum, double interval)
    : VindorSliderPropertyComponent (value, name, minimum, maximum, interval)
{
    slider.valueFromTextFunction = [this] (const juce::String& text) { return valueFromTypedText (text); };
}

RangeCheckedSliderPropertyComponent::~RangeCheckedSliderPropertyComponent()
{
    slider.valueFromTextFunction = nullptr;
}

std::optional<double> RangeCheckedSliderPropertyComponent::readTypedNumber (const juce::String& text, double minimum, double maximum)
{
    const auto typed = text.trim().replaceCharacter (',', '.');
    if (typed.isEmpty() || ! typed.containsOnly ("+-0123456789.") || typed.indexOfChar ('.') != typed.lastIndexOfChar ('.'))
        return std::nullopt;

    const double number = typed.getDoubleValue();
    if (number < minimum || number > maximum)
        return std::nullopt;
    return number;
}

double RangeCheckedSliderPropertyComponent::valueFromTypedText (const juce::String& text)
{
    const double minimum = slider.getMinimum(), maximum = slider.getMaximum();
    if (auto number = readTypedNumber (text, minimum, maximum))
        return *number;

    // Returning the slider's own value leaves the bound setting untouched; the text box then
    // shows that value again.
    const auto reason = TRANS ("settings_value_out_of_range")
                            .replace ("%1", juce::String (minimum))
                            .replace ("%2", juce::String (maximum));
    vindoro::vlog ("RangeCheckedSliderPropertyComponent::valueFromTypedText",
                   "napacna vrednost za " + getName() + " " + text + ": " + reason);
    showMessageOK (vindoro::kIconWarning, TRANS ("spremembe nastavitev"), reason, this);
    return slider.getValue();
}
