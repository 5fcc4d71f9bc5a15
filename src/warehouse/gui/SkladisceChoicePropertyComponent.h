#pragma once
// The warehouse chooser row: "Not selected" (0) and every warehouse, withdrawn ones included,
// bound to the owner's Value holding the chosen id; it hands the choice out as a warehouse with
// its consignment party. Owned by its property panel.
#include "warehouse/GoodsRecords.h"
#include "widgets/VindorChoicePropertyComponent.h"

class SkladisceChoicePropertyComponent : public VindorChoicePropertyComponent
{
public:
    static constexpr const char* kNoIndex = "FATAL ERROR: index -1";

    /** Reads every warehouse; a failed read offers "Not selected" only (logged). */
    static SkladisceChoicePropertyComponent* loadAndCreate (const juce::Value& value, const juce::String& name);

    SkladisceChoicePropertyComponent (const juce::Value& value, const juce::String& name, const juce::StringArray& choices,
                                      const juce::Array<juce::var>& values, const std::vector<StrankaRecord>& parties);
    ~SkladisceChoicePropertyComponent() override;

    /** The position of the bound value among the choices, -1 when it is none of them. */
    int getIndex() const override;
    /** Puts the index-th choice's value into the bound value. */
    void setIndex (int index) override;

    /** The choice text of `value`; empty (logged) when no choice has it. */
    juce::String getText (const juce::Value& value) const;
    /** The consignment party of `value`'s choice; id -1 (logged) when no choice has it. */
    StrankaRecord getKonsig (const juce::Value& value) const;
    /** The chosen warehouse: the bound id, its text and its party. */
    SkladisceRecord getSkladisce() const;
    /** Puts another value's content into the bound value and shows it. */
    void setValue (const juce::Value& value);

private:
    int indexOf (const juce::Value& value) const;

    juce::Value bound;
    juce::StringArray texts;
    juce::Array<juce::var> ids;
    std::vector<StrankaRecord> parties;
};
