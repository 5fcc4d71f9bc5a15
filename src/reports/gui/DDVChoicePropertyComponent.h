#pragma once
// The choice row of a VAT rate in the product, vessel and operation editors: "Not selected" (0)
// and the labels of DDV, writing the chosen rate's id into the caller's Value. Owned by its panel.
#include "widgets/VindorChoicePropertyComponent.h"

class DDVChoicePropertyComponent : public VindorChoicePropertyComponent
{
public:
    /** A new row bound to `value`, or null (logged) when there is no rate list. */
    static DDVChoicePropertyComponent* loadAndCreate (const juce::Value& value, const juce::String& name);

    ~DDVChoicePropertyComponent() override;

private:
    DDVChoicePropertyComponent (const juce::Value& value, const juce::String& name, const juce::StringArray& choices,
                                const juce::Array<juce::var>& values);
};
