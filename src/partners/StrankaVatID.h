#pragma once
// The VAT identification number of a party, made from its stored tax number by the rules of
// its country. Owned by the partners subsystem; used by the party editor and by maintenance.
#include <juce_core/juce_core.h>

struct StrankaRecord;

/** Reads only the record's tax number, country code, EU flag and VAT-payer flag. */
juce::String getStrankaVatID (const StrankaRecord& party);
