#pragma once
// The amount-with-unit row of the wine-care, analysis and warehouse forms: the units whose
// quantity kinds share a bit with the field's mask (every unit for a mask above 1025), read
// from table `enota` when the row is built.
#include "widgets/ValUnitPropertyComponent.h"

/** A new row owned by the caller (the forms pass the share 0.3). */
ValUnitPropertyComponent* createValUnitRow (const juce::Value& amount, const juce::Value& unit, const juce::String& name,
                                            int quantityMask, double share);
