#include "warehouse/gui/ValUnitRow.h"

#include "warehouse/EnotaList.h"

ValUnitPropertyComponent* createValUnitRow (const juce::Value& amount, const juce::Value& unit, const juce::String& name,
                                            int quantityMask, double share)
{
    juce::StringArray labels;
    juce::Array<juce::var> ids;
    for (const auto& e : EnotaList::forMask (quantityMask))
    {
        labels.add (e.oznaka);
        ids.add (e.id);
    }
    return ValUnitPropertyComponent::loadAndCreate (amount, unit, name, labels, ids, share);
}
