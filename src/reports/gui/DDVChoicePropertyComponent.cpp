#include "reports/gui/DDVChoicePropertyComponent.h"

#include "core/Log.h"
#include "reports/DDV.h"

DDVChoicePropertyComponent* DDVChoicePropertyComponent::loadAndCreate (const juce::Value& value, const juce::String& name)
{
    auto* rates = DDV::getInstance();
    if (rates == nullptr)
    {
        vindoro::vlog ("DDVChoicePropertyComponent::loadAndCreate", "ERROR: ni singletona DDV");
        return nullptr;
    }

    juce::StringArray choices { TRANS ("Not selected") };
    juce::Array<juce::var> values { juce::var (0) };
    for (int i = 0; i < rates->getNumRates(); ++i)
    {
        choices.add (rates->getLabel (i));
        values.add (rates->getIds()[i]);
    }
    return new DDVChoicePropertyComponent (value, name, choices, values);
}

DDVChoicePropertyComponent::DDVChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                        const juce::StringArray& choices, const juce::Array<juce::var>& values)
    : VindorChoicePropertyComponent (value, name, choices, values)
{
}

DDVChoicePropertyComponent::~DDVChoicePropertyComponent() = default;
