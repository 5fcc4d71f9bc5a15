#pragma once
// The cellar choice row of the reports: "Not selected" (0) and every cellar, removed ones too,
// writing the chosen cellar's id into the caller's Value. Owned by its panel; the cellars are
// read once, when the row is built.
#include "cellar/KletRecord.h"
#include "widgets/VindorChoicePropertyComponent.h"

class KletChoicePropertyComponent : public VindorChoicePropertyComponent
{
public:
    /** A new row bound to `value`, owned by the caller. */
    static KletChoicePropertyComponent* loadAndCreate (juce::Value value, juce::String name);
    ~KletChoicePropertyComponent() override;

    void setIndex (int newIndex) override;
    int getIndex() const override;

    /** The choice text of the value; empty (logged) when the value is not offered. */
    juce::String getText (const juce::Value& value) const;
    /** The chosen cellar: the bound value as its id, its choice text as its name. */
    KletRecord getKlet() const;

private:
    KletChoicePropertyComponent (const juce::Value& value, const juce::String& name, const juce::StringArray& texts,
                                 const juce::Array<juce::var>& values);

    juce::Value bound;
    juce::StringArray texts;
    juce::Array<juce::var> values;
};
