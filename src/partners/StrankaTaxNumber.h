#pragma once
// The tax number of a party as documents print it: unchanged for a VAT payer, else without its
// country prefix. Owned by the partners subsystem; pure functions that never fail.
#include "partners/StrankaRecord.h"

/** The text from its first decimal digit on; a text without digits comes back whole. */
juce::String stripTaxPrefix (const juce::String& text);

/** davcna unchanged when empty or the party pays VAT, else passed through stripTaxPrefix. */
juce::String getStrankaTaxNumber (const StrankaRecord& party);
