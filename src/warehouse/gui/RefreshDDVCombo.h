#pragma once
// The VAT cell of an invoice item row: the cell's DDVCombo reused, any other component replaced.

#include "reports/gui/DDVCombo.h"

/** `existing` when it is a DDVCombo, else (deleting `existing`) a new one for `owner`; bound to
    the row and column. The table owns the result. */
DDVCombo* refreshDDVCombo (juce::Component* existing, PregledBaze& owner, int row, int column);
