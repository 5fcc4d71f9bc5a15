#pragma once
// An amount with its unit: the amount field at the left, the unit combo taking `share` of the
// row's width at the right. The kit knows no unit table: the warehouse reads the units a field
// offers and hands their labels and ids to loadAndCreate (src/warehouse/gui/ValUnitRow.h).
#include "widgets/ValChoicePropertyComponent.h"

class ValUnitPropertyComponent : public ValChoicePropertyComponent
{
public:
    using ValChoicePropertyComponent::ValChoicePropertyComponent;

    /** A new row owned by the caller: `amount` edited as text, `unit` holding the id of one of
        `unitIds` (labels in the same order). */
    static ValUnitPropertyComponent* loadAndCreate (const juce::Value& amount, const juce::Value& unit,
                                                    const juce::String& name, const juce::StringArray& unitLabels,
                                                    const juce::Array<juce::var>& unitIds, double share)
    {
        return new ValUnitPropertyComponent (amount, unit, name, unitLabels, unitIds, share);
    }
};
