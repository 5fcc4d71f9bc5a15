#pragma once
// The chooser of an article's kind among the kinds a warehouse keeps (below 4). Owned by its
// property panel; bound to the owner's Value.
#include "widgets/VindorChoicePropertyComponent.h"

class TipChoicePropertyComponent : public VindorChoicePropertyComponent
{
public:
    /** "Not selected" (0) and the active kinds below 4 of table `tip`, in the table's order. */
    static TipChoicePropertyComponent* loadAndCreate (const juce::Value& value, const juce::String& name);

    TipChoicePropertyComponent (const juce::Value& value, const juce::String& name, const juce::StringArray& choices,
                                const juce::Array<juce::var>& values);
    ~TipChoicePropertyComponent() override;
};
