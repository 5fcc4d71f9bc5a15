#pragma once
// Texts made from a party record for windows and documents: the multi-line address block and
// the title of a party browser for a set of party kinds. Owned by the partners subsystem; pure
// functions over the record and the loaded language file.
#include "partners/StrankaRecord.h"

/** Address block modes: 0 name, street, post line and tax line; 1 adds the country before the tax
    line; 2 name, street, post line and country; 3 and above name, street and post line only. */
juce::String getStrankaAddressText (StrankaRecord party, int mode);

/** The translated "tipstranke<i>" of the lowest party-kind bit in the mask, or "stranka". */
juce::String getStrankaTypeTitle (int mask);
