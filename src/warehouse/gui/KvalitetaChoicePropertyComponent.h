#pragma once
// The quality-grade row of the cellar forms: the grades of table `kvaliteta` in the table's
// order, writing the chosen grade id into the window's Value. There is no "none" entry. Owned by
// its property panel; the grades are read once, when the row is built.
#include "widgets/VindorChoicePropertyComponent.h"

class KvalitetaChoicePropertyComponent : public VindorChoicePropertyComponent
{
public:
    /** A new row bound to `value`, owned by the caller. */
    static KvalitetaChoicePropertyComponent* loadAndCreate (const juce::Value& value, const juce::String& name);

    ~KvalitetaChoicePropertyComponent() override;

    /** The chosen grade id, or -1 (logged) when the Value holds none of the offered grades. */
    int getID() const;

private:
    KvalitetaChoicePropertyComponent (const juce::Value& value, const juce::String& name, const juce::StringArray& choices,
                                      const juce::Array<juce::var>& values);

    juce::Value chosen;
    juce::Array<juce::var> ids;
};
