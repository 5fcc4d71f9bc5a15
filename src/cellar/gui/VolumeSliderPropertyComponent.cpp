#include "cellar/gui/VolumeSliderPropertyComponent.h"

VolumeSliderPropertyComponent::VolumeSliderPropertyComponent (const juce::Value& value, const juce::String& name, bool isEditable)
    : VindorSliderPropertyComponent (value, name, 1e-4, 100.0, 1.0, 1.0), editable (isEditable)
{
    slider.setEnabled (editable);
    setRange (1e-4, 2e-4);
}

VolumeSliderPropertyComponent::~VolumeSliderPropertyComponent() = default;

void VolumeSliderPropertyComponent::setRange (double maximum, double value)
{
    // Hundredths of a litre must be reachable at any size, or a typed 123.45 would snap to a
    // whole litre.
    const double minimum = maximum < 0.01 ? 1e-6 : 1e-4;
    const double step = maximum < 0.01 ? 1e-4 : 0.01;
    // The slider cannot hold an empty range; such a row has nothing to offer and is disabled below.
    slider.setRange (minimum, maximum > minimum ? maximum : minimum + step, step);
    if (value > -1.0)
        slider.setValue (value, juce::sendNotificationAsync);
    if (editable)
        slider.setEnabled (maximum > 0.0);
    slider.repaint();
    refresh();
}
