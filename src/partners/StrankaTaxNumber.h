#pragma once
// The tax number of a party as documents print it: unchanged for a VAT payer, else without its
// country prefix. Owned by the partners subsystem; pure functions that never fail.
#include "partners/StrankaRecord.h"
#include "partners/StripTaxPrefix.h"

/** davcna unchanged when empty or the party pays VAT, else passed through stripTaxPrefix. */
juce::String getStrankaTaxNumber (const StrankaRecord& party);
